#include "accounts/setup_tab.h"
#include "accounts/record_rules.h"
#include "data/account_types.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "ui/amount_message.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include "ui/form.h"
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace folio::accounts {

namespace {
QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}
} // namespace

SetupTab::SetupTab(ui::TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("SetupTab"));
    nameBox_ = ui::Form::box(QStringLiteral("txtAcctName"), this);
    nameBox_->setMaxLength(40);
    typeBox_ = ui::Form::box(QStringLiteral("txtAcctType"), this);
    typeBox_->setMaxLength(6);
    currentBalanceBox_ = ui::Form::box(QStringLiteral("txtCurrentBalance"), this);
    ytdBalanceBox_ = ui::Form::box(QStringLiteral("txtYtdBalance"), this);
    nameList_ = new QListWidget(this);
    nameList_->setUniformItemSizes(true); // one line each: no per-entry measuring
    nameList_->setObjectName(QStringLiteral("lstAcctName"));
    nameList_->setAccessibleName(QStringLiteral("Standard Account Names"));
    typeList_ = new QListWidget(this);
    typeList_->setUniformItemSizes(true);
    typeList_->setObjectName(QStringLiteral("lstAcctType"));
    typeList_->setAccessibleName(QStringLiteral("Account Types"));

    auto* fields = new QGridLayout();
    ui::Form::addLabelled(fields, 0, 0, QStringLiteral("lblAcctName"),
                          QStringLiteral("&Account Name"), nameBox_, this);
    ui::Form::addLabelled(fields, 1, 0, QStringLiteral("lblAcctType"),
                          QStringLiteral("Account &Type"), typeBox_, this);
    ui::Form::addLabelled(fields, 2, 0, QStringLiteral("llbCurrent"),
                          QStringLiteral("C&urrent Balance"), currentBalanceBox_, this);
    ui::Form::addLabelled(fields, 3, 0, QStringLiteral("lblYtd"),
                          QStringLiteral("&Year to Date Balance"), ytdBalanceBox_, this);
    fields->setRowStretch(4, 1);

    auto* lists = new QHBoxLayout();
    lists->addWidget(nameList_);
    lists->addWidget(typeList_);

    newButton_ = button(QStringLiteral("cmdNew"), QStringLiteral("&New"), this);
    nextButton_ = button(QStringLiteral("cmdNext"), QStringLiteral("Ne&xt"), this);
    previousButton_ = button(QStringLiteral("cmdPrevious"), QStringLiteral("&Previous"), this);
    searchButton_ = button(QStringLiteral("cmdSearch"), QStringLiteral("&Search"), this);
    deleteButton_ = button(QStringLiteral("cmdDelete"), QStringLiteral("&Delete"), this);
    closeButton_ = button(QStringLiteral("cmdClose"), QStringLiteral("&Close"), this);
    auto* buttons = new QHBoxLayout();
    for (QPushButton* b :
         {newButton_, nextButton_, previousButton_, searchButton_, deleteButton_, closeButton_}) {
        buttons->addWidget(b);
    }

    auto* top = new QHBoxLayout();
    top->addLayout(fields, 4);
    top->addLayout(lists, 5);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top, 1);
    page->addLayout(buttons);

    QWidget* order[] = {nameBox_,      typeBox_,     currentBalanceBox_, ytdBalanceBox_,
                        newButton_,    nextButton_,  previousButton_,    searchButton_,
                        deleteButton_, closeButton_, nameList_,          typeList_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(newButton_, &QPushButton::clicked, this, &SetupTab::newAccount);
    connect(nextButton_, &QPushButton::clicked, this, &SetupTab::nextAccount);
    connect(previousButton_, &QPushButton::clicked, this, &SetupTab::previousAccount);
    connect(searchButton_, &QPushButton::clicked, this, &SetupTab::searchAccount);
    connect(deleteButton_, &QPushButton::clicked, this, &SetupTab::deleteShownAccount);
    connect(closeButton_, &QPushButton::clicked, this, &SetupTab::saveAndClose);
    watchChoices(typeList_, &SetupTab::chooseListedType);
    watchChoices(nameList_, &SetupTab::chooseListedName);
    currentBalanceBox_->installEventFilter(this);
    for (QPushButton* b :
         {newButton_, nextButton_, previousButton_, searchButton_, deleteButton_, closeButton_}) {
        b->installEventFilter(this);
    }
}

void SetupTab::watchChoices(QListWidget* list, void (SetupTab::*command)()) {
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, command] {
        if (!list->selectedItems().isEmpty()) {
            (this->*command)();
        }
    });
    connect(list, &QListWidget::itemClicked, this, [this, list, command](QListWidgetItem* item) {
        // A click that chose a new entry has already run the command through the selection.
        if (list == pressedList_ && list->row(item) == chosenAtPress_ && item->isSelected()) {
            (this->*command)();
        }
    });
    list->viewport()->installEventFilter(this);
}

bool SetupTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (const QListWidget* list : {nameList_, typeList_}) {
            if (watched == list->viewport()) {
                const auto chosen = list->selectedItems();
                pressedList_ = list;
                chosenAtPress_ = chosen.isEmpty() ? -1 : list->row(chosen.constFirst());
            }
        }
    }
    // The box's lost focus runs before the click of the control that takes the focus;
    // a focus that leaves with the window (a dialog, another program) is not a lost focus.
    if (watched == currentBalanceBox_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            carryBalanceToYear();
        }
    }
    // A button pressed by its mnemonic takes the focus first, as a click does, so the
    // current-balance box is left before the button's command runs.
    if (event->type() == QEvent::Shortcut && watched != currentBalanceBox_) {
        if (auto* b = qobject_cast<QPushButton*>(watched); b && b->isEnabled()) {
            b->setFocus(Qt::ShortcutFocusReason);
        }
    }
    return TabPage::eventFilter(watched, event);
}

std::optional<ui::Tab> SetupTab::enter() {
    Books& books = ctx_.books;
    if (!books.isSelected()) {
        ctx_.dialogs.message(QStringLiteral("File not Selected!"), ui::MessageIcon::Critical);
        return std::nullopt;
    }
    books.reopen();
    // The blank record a posting leaves after the last account is no account: it is not
    // counted, and New fills it.
    int count = books.recordCount();
    if (count > 1 && books.get(count).isBlank()) {
        --count;
    }
    showRecord(1, std::max(1, count));
    fillLists();
    return std::nullopt;
}

void SetupTab::fillLists() {
    // Filling a list chooses nothing.
    const QSignalBlocker nameSignals(nameList_);
    const QSignalBlocker typeSignals(typeList_);
    nameList_->clear();
    for (const char* name : kStandardNames) {
        nameList_->addItem(QString::fromLatin1(name));
    }
    typeList_->clear();
    for (const AccountType& type : kAccountTypes) {
        typeList_->addItem(QString::fromLatin1(type.description));
    }
}

void SetupTab::ShowCurrentRecord() {
    showRecord(current_, count_);
}

AccountRecord SetupTab::readShown(int record) {
    Books& books = ctx_.books;
    const AccountRecord account = books.get(record);
    // Writing back a record that the file holds whole changes no byte, so only a record
    // that lies past the end is written, which makes it part of the file.
    if (books.recordCount() < record) {
        ctx_.session
            .change(journal::EntryKind::NewAccount, {{record, account, Money(), Money()}}, {},
                    session::Origin::ShownTab)
            .orThrow();
    }
    return account;
}

void SetupTab::display(int record, int count, const AccountRecord& account) {
    current_ = record;
    count_ = count;
    shown_ = account;
    nameBox_->setText(account.name);
    typeBox_->setText(account.type);
    currentBalanceBox_->setText(RecordRules::boxText(account.current));
    ytdBalanceBox_->setText(RecordRules::boxText(account.ytd));
    ctx_.window.setCaption(RecordRules::caption(record, count));
}

void SetupTab::showRecord(int record, int count) {
    display(record, count, readShown(record));
}

std::optional<AccountRecord> SetupTab::typedRecord() {
    AccountRecord account = shown_;
    account.name = nameBox_->text().trimmed();
    if (const std::optional<QString> refusal = RecordRules::nameRefusal(account.name)) {
        ctx_.dialogs.message(*refusal);
        return std::nullopt;
    }
    const std::optional<QString> type = RecordRules::typeToStore(typeBox_->text());
    if (!type) {
        ctx_.dialogs.message(RecordRules::typeRefusedMessage(typeBox_->text()));
        return std::nullopt;
    }
    account.type = *type;
    const std::pair<QLineEdit*, const char*> boxes[] = {{currentBalanceBox_, "current balance"},
                                                        {ytdBalanceBox_, "year to date balance"}};
    Money* balances[] = {&account.current, &account.ytd};
    for (std::size_t i = 0; i < 2; ++i) {
        const QString text = boxes[i].first->text();
        const std::optional<Money> amount =
            text.trimmed().isEmpty() ? std::optional<Money>(Money()) : parseAmount(text);
        if (!amount) {
            ctx_.dialogs.message(
                ui::amountRefusedMessage(QString::fromLatin1(boxes[i].second), text));
            return std::nullopt;
        }
        *balances[i] = *amount;
    }
    return account;
}

bool SetupTab::saveShownAccount() {
    if (ctx_.window.shownTab() == ui::Tab::Company || current_ == 0) {
        return true;
    }
    const std::optional<AccountRecord> account = typedRecord();
    if (!account) {
        return false;
    }
    if (*account != shown_) {
        ctx_.session
            .change(journal::EntryKind::SetupEdit, {{current_, *account, Money(), Money()}}, {},
                    session::Origin::ShownTab)
            .orThrow();
        shown_ = *account;
    }
    typeBox_->setText(shown_.type);
    return true;
}

bool SetupTab::keepEdits() {
    bool saved = false;
    return ui::runReported(ctx_.dialogs, [this, &saved] { saved = saveShownAccount(); }) && saved;
}

void SetupTab::saveAndClose() {
    bool saved = false;
    if (!ui::runReported(ctx_.dialogs, [this, &saved] { saved = saveShownAccount(); }) || !saved) {
        return;
    }
    ctx_.books.close();
    ctx_.window.showTabLater(ui::Tab::TrialBalance);
}

} // namespace folio::accounts
