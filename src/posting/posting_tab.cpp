#include "posting/posting_tab.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"
#include "posting/posting_rules.h"
#include "ui/account_grid.h"
#include "ui/account_list_model.h"
#include "ui/form.h"
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace folio::posting {

PostingTab::PostingTab(ui::TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("PostingTab"));
    accountGrid_ = new ui::AccountGrid(QStringLiteral("MSFlexGrid3"), QStringLiteral("Accounts"),
                                       QStringLiteral("Year To date"), this);
    // The boxes show the chosen account; choosing a row in the grid fills them.
    accountBox_ = ui::Form::figureBox(QStringLiteral("txtAccountToPost"), this);
    accountBox_->setAlignment(Qt::AlignLeft);
    typeBox_ = ui::Form::figureBox(QStringLiteral("txtType"), this);
    typeBox_->setAlignment(Qt::AlignLeft);
    currentBox_ = ui::Form::figureBox(QStringLiteral("txtCurrent"), this);
    yearBox_ = ui::Form::figureBox(QStringLiteral("txtYear"), this);

    Frame1_ = new QGroupBox(QStringLiteral("Post"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    debitBox_ = ui::Form::box(QStringLiteral("txtPostDebit"), Frame1_);
    creditBox_ = ui::Form::box(QStringLiteral("txtPostCredit"), Frame1_);
    auto* amounts = new QGridLayout(Frame1_);
    ui::Form::addLabelled(amounts, 0, 0, QStringLiteral("lblPostDebit"), QStringLiteral("&Debit"),
                          debitBox_, Frame1_);
    ui::Form::addLabelled(amounts, 1, 0, QStringLiteral("lblPostCredit"), QStringLiteral("C&redit"),
                          creditBox_, Frame1_);
    // The date and memo the journal keeps with the posting.
    dateBox_ = ui::Form::box(QStringLiteral("txtPostDate"), Frame1_);
    dateBox_->setText(journal::shownDate(QDate::currentDate()));
    dateBox_->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
    memoBox_ = ui::Form::box(QStringLiteral("txtPostMemo"), Frame1_);
    ui::Form::addLabelled(amounts, 2, 0, QStringLiteral("lblPostDate"), QStringLiteral("Dat&e"),
                          dateBox_, Frame1_);
    ui::Form::addLabelled(amounts, 3, 0, QStringLiteral("lblPostMemo"), QStringLiteral("&Memo"),
                          memoBox_, Frame1_);

    postButton_ = new QPushButton(QStringLiteral("&Post to this account"), this);
    postButton_->setObjectName(QStringLiteral("cmdOKPost"));
    postButton_->setEnabled(false);

    auto* account = new QGridLayout();
    const struct {
        const char* name;
        const char* caption;
        QLineEdit* box;
    } rows[] = {
        {"lblAccountToPost", "&Account to be posted", accountBox_},
        {"lblType", "Account &Type", typeBox_},
        {"lblCurrent", "C&urrentBalance", currentBox_},
        {"lblYear", "&Year to date balance", yearBox_},
    };
    int line = 0;
    for (const auto& row : rows) {
        ui::Form::addLabelled(account, line, 0, QString::fromLatin1(row.name),
                              QString::fromLatin1(row.caption), row.box, this);
        ++line;
    }

    auto* side = new QVBoxLayout();
    side->addLayout(account);
    side->addWidget(Frame1_);
    side->addWidget(postButton_, 0, Qt::AlignRight);
    side->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addWidget(accountGrid_, 3);
    page->addLayout(side, 2);

    setTabOrder(accountGrid_, debitBox_);
    setTabOrder(debitBox_, creditBox_);
    setTabOrder(creditBox_, dateBox_);
    setTabOrder(dateBox_, memoBox_);
    setTabOrder(memoBox_, postButton_);

    // The highlighted row is the chosen account, whether a click, the arrow keys or a
    // screen reader moved it.
    connect(accountGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { chooseAccount(current.row()); });
    connect(accountGrid_, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { chooseAccount(index.row()); });
    connect(accountBox_, &QLineEdit::textChanged, this, &PostingTab::findTypedAccount);
    connect(postButton_, &QPushButton::clicked, this, &PostingTab::postToAccount);
    for (QLineEdit* box : {debitBox_, creditBox_, dateBox_, memoBox_}) {
        box->installEventFilter(this);
    }
}

bool PostingTab::eventFilter(QObject* watched, QEvent* event) {
    // Enter in Debit, Credit, Date or Memo posts, as the Post button would.
    if (event->type() == QEvent::KeyPress && (watched == debitBox_ || watched == creditBox_ ||
                                              watched == dateBox_ || watched == memoBox_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && postButton_->isEnabled()) {
            postToAccount();
            return true;
        }
    }
    return TabPage::eventFilter(watched, event);
}

std::optional<ui::Tab> PostingTab::enter() {
    postButton_->setEnabled(false);
    chosen_.reset();
    clearBoxes();
    if (shownStamp_.stillShown(ctx_)) {
        accountGrid_->showAgain(); // the accounts listed are the books' accounts still
        accountGrid_->selectionModel()->clear();
        return std::nullopt;
    }
    accountGrid_->clear(); // nothing listed stays choosable over a table not read whole
    listed_.clear();
    ctx_.books.load(table_);
    listed_ = PostingRules::listing(table_);
    accountGrid_->show(table_, listed_);
    shownStamp_.shown();
    accountGrid_->selectionModel()->clear(); // no row stands chosen until one is chosen
    return std::nullopt;
}

void PostingTab::chooseAccount(int row) {
    if (row < 0 || row >= static_cast<int>(listed_.size())) {
        chosen_.reset();
        clearBoxes();
        postButton_->setEnabled(false);
        return;
    }
    chosen_ = Chosen{row, listed_[static_cast<std::size_t>(row)]};
    showAccount(row);
}

void PostingTab::showAccount(int row) {
    const AccountRecord& account = accountGrid_->accounts().account(row);
    accountBox_->setText(account.name);
    typeBox_->setText(account.type);
    currentBox_->setText(formatCurrency(account.current));
    yearBox_->setText(formatCurrency(account.ytd));
}

void PostingTab::clearBoxes() {
    for (QLineEdit* box : {accountBox_, currentBox_, yearBox_, typeBox_}) {
        box->clear();
    }
}

void PostingTab::findTypedAccount() {
    if (!accountBox_->text().isEmpty()) {
        postButton_->setEnabled(true);
    }
}

} // namespace folio::posting
