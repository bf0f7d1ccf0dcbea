#include "journal/journal_window.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"
#include "journal/journal_store.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace folio::journal {

namespace {
const QString kAllAccounts = QStringLiteral("(all accounts)");
} // namespace

JournalWindow::JournalWindow(JournalStore& store, ui::Dialogs& dialogs, Reverse reverse,
                             QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), reverse_(std::move(reverse)), store_(store) {
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(QStringLiteral("Journal"));
    model_ = new JournalModel(store, this);
    buildFilter();
    entriesGrid_ = new QTableView(this);
    entriesGrid_->setObjectName(QStringLiteral("grdJournal"));
    entriesGrid_->setAccessibleName(QStringLiteral("Journal entries, newest first"));
    entriesGrid_->setModel(model_);
    entriesGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entriesGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    entriesGrid_->verticalHeader()->hide();
    const QFontMetrics metrics = fontMetrics();
    const std::pair<JournalModel::Column, const char*> widths[] = {
        {JournalModel::Seq, "0000000"},
        {JournalModel::Date, "00/00/0000  "},
        {JournalModel::Kind, "Opening balances  "},
        {JournalModel::User, "bookkeeper  "},
        {JournalModel::Account, "Federal Unemp. Tax Payable  "},
        {JournalModel::Debit, "$000,000.00  "},
        {JournalModel::Credit, "$000,000.00  "},
        {JournalModel::Balance, "($000,000.00)  "},
    };
    for (const auto& [column, sample] : widths) {
        entriesGrid_->setColumnWidth(column, metrics.horizontalAdvance(QLatin1String(sample)));
    }
    entriesGrid_->horizontalHeader()->setSectionResizeMode(JournalModel::Memo,
                                                           QHeaderView::Stretch);
    entriesGrid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    reverseButton_ = new QPushButton(QStringLiteral("&Reverse..."), this);
    reverseButton_->setObjectName(QStringLiteral("cmdReverse"));
    reverseButton_->setAccessibleName(QStringLiteral("Reverse the chosen entry"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("btnJournalClose"));
    buttons->addButton(reverseButton_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(reverseButton_, &QPushButton::clicked, this, &JournalWindow::reverseChosenEntry);

    auto* layout = qobject_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(entriesGrid_, 1);
    layout->addWidget(buttons);
    resize(1040, 560);
}

void JournalWindow::buildFilter() {
    accountChoice_ = new QComboBox(this);
    accountChoice_->setObjectName(QStringLiteral("cboJournalAccount"));
    accountChoice_->addItem(kAllAccounts);
    fromBox_ = ui::Form::box(QStringLiteral("txtJournalFrom"), this);
    toBox_ = ui::Form::box(QStringLiteral("txtJournalTo"), this);
    for (QLineEdit* box : {fromBox_, toBox_}) {
        box->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
        connect(box, &QLineEdit::returnPressed, this, &JournalWindow::applyFilters);
    }
    showButton_ = new QPushButton(QStringLiteral("&Show"), this);
    showButton_->setObjectName(QStringLiteral("cmdJournalShow"));
    showButton_->setAccessibleName(QStringLiteral("Show the entries of this account and dates"));
    connect(showButton_, &QPushButton::clicked, this, &JournalWindow::applyFilters);
    connect(accountChoice_, &QComboBox::activated, this, &JournalWindow::applyFilters);

    auto* grid = new QGridLayout();
    ui::Form::addLabelled(grid, 0, 0, QStringLiteral("lblJournalAccount"),
                          QStringLiteral("&Account:"), accountChoice_, this);
    ui::Form::addLabelled(grid, 0, 2, QStringLiteral("lblJournalFrom"), QStringLiteral("&From:"),
                          fromBox_, this);
    ui::Form::addLabelled(grid, 0, 4, QStringLiteral("lblJournalTo"), QStringLiteral("&To:"),
                          toBox_, this);
    grid->addWidget(showButton_, 0, 6);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
}

void JournalWindow::setAccounts(const QStringList& names) {
    const QString chosen = accountChoice_->currentText();
    accountChoice_->clear();
    accountChoice_->addItem(kAllAccounts);
    for (const QString& name : names) {
        if (!name.isEmpty() && accountChoice_->findText(name) < 0) {
            accountChoice_->addItem(name);
        }
    }
    accountChoice_->setCurrentIndex(std::max(0, accountChoice_->findText(chosen)));
}

void JournalWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && store_.isOpen()) {
        try {
            if (store_.lastSeq() != shownUpTo_) {
                reload();
            }
        } catch (const std::exception&) {
            // The rows already shown stay; the next reading says what is wrong.
        }
    }
}

void JournalWindow::reload() {
    try {
        shownUpTo_ = store_.isOpen() ? store_.lastSeq() : 0;
    } catch (const std::exception&) {
        shownUpTo_ = 0;
    }
    model_->reload();
    if (model_->canFetchMore({})) {
        model_->fetchMore({});
    }
}

bool JournalWindow::applyFilters() {
    JournalFilter filter;
    if (accountChoice_->currentIndex() > 0) {
        filter.account = accountChoice_->currentText();
    }
    for (auto [box, date] : {std::pair{fromBox_, &filter.from}, std::pair{toBox_, &filter.to}}) {
        if (box->text().trimmed().isEmpty()) {
            continue;
        }
        *date = readDate(box->text());
        if (!*date) {
            dialogs_.message(notADateMessage(box->text()));
            box->setFocus();
            return false;
        }
    }
    model_->setFilter(filter);
    reload();
    return true;
}

void JournalWindow::reverseChosenEntry() {
    const QModelIndex current = entriesGrid_->currentIndex();
    const std::int64_t seq = current.isValid() ? model_->entryAt(current.row()) : 0;
    if (seq == 0) {
        dialogs_.message(QStringLiteral("Choose the entry to reverse in the journal first."));
        return;
    }
    const QString reason = dialogs_.inputBox(
        QStringLiteral("Why is entry %1 reversed? The reason is kept with the reversal.").arg(seq),
        QStringLiteral("Reverse Entry %1").arg(seq));
    if (reason.trimmed().isEmpty()) {
        dialogs_.message(
            QStringLiteral("Entry %1 was not reversed: a reversal needs a reason.").arg(seq));
        return;
    }
    // Dated as the entry it reverses unless the user gives another date.
    const std::optional<Entry> reversed = store_.entry(seq);
    const QString original = reversed ? shownDate(reversed->date) : QString();
    const QString typed =
        dialogs_.inputBox(QStringLiteral("Date of the reversal of entry %1:").arg(seq),
                          QStringLiteral("Reverse Entry %1").arg(seq), original);
    if (typed.trimmed().isEmpty()) {
        dialogs_.message(QStringLiteral("Entry %1 was not reversed.").arg(seq));
        return;
    }
    const std::optional<QDate> date = readDate(typed);
    if (!date) {
        dialogs_.message(notADateMessage(typed));
        return;
    }
    if (reverse_(seq, reason, *date)) {
        reload();
    }
}

} // namespace folio::journal
