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
    txtAccountToPost_ = ui::Form::figureBox(QStringLiteral("txtAccountToPost"), this);
    txtAccountToPost_->setAlignment(Qt::AlignLeft);
    txtType_ = ui::Form::figureBox(QStringLiteral("txtType"), this);
    txtType_->setAlignment(Qt::AlignLeft);
    txtCurrent_ = ui::Form::figureBox(QStringLiteral("txtCurrent"), this);
    txtYear_ = ui::Form::figureBox(QStringLiteral("txtYear"), this);

    Frame1_ = new QGroupBox(QStringLiteral("Post"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    txtPostDebit_ = ui::Form::box(QStringLiteral("txtPostDebit"), Frame1_);
    txtPostCredit_ = ui::Form::box(QStringLiteral("txtPostCredit"), Frame1_);
    auto* amounts = new QGridLayout(Frame1_);
    ui::Form::addLabelled(amounts, 0, 0, QStringLiteral("lblPostDebit"), QStringLiteral("&Debit"),
                          txtPostDebit_, Frame1_);
    ui::Form::addLabelled(amounts, 1, 0, QStringLiteral("lblPostCredit"), QStringLiteral("C&redit"),
                          txtPostCredit_, Frame1_);
    // The date and memo the journal keeps with the posting.
    txtPostDate_ = ui::Form::box(QStringLiteral("txtPostDate"), Frame1_);
    txtPostDate_->setText(journal::shownDate(QDate::currentDate()));
    txtPostDate_->setPlaceholderText(QStringLiteral("mm/dd/yyyy"));
    txtPostMemo_ = ui::Form::box(QStringLiteral("txtPostMemo"), Frame1_);
    ui::Form::addLabelled(amounts, 2, 0, QStringLiteral("lblPostDate"), QStringLiteral("Dat&e"),
                          txtPostDate_, Frame1_);
    ui::Form::addLabelled(amounts, 3, 0, QStringLiteral("lblPostMemo"), QStringLiteral("&Memo"),
                          txtPostMemo_, Frame1_);

    cmdOKPost_ = new QPushButton(QStringLiteral("&Post to this account"), this);
    cmdOKPost_->setObjectName(QStringLiteral("cmdOKPost"));
    cmdOKPost_->setEnabled(false);

    auto* account = new QGridLayout();
    const struct {
        const char* name;
        const char* caption;
        QLineEdit* box;
    } rows[] = {
        {"lblAccountToPost", "&Account to be posted", txtAccountToPost_},
        {"lblType", "Account &Type", txtType_},
        {"lblCurrent", "C&urrentBalance", txtCurrent_},
        {"lblYear", "&Year to date balance", txtYear_},
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
    side->addWidget(cmdOKPost_, 0, Qt::AlignRight);
    side->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addWidget(accountGrid_, 3);
    page->addLayout(side, 2);

    setTabOrder(accountGrid_, txtPostDebit_);
    setTabOrder(txtPostDebit_, txtPostCredit_);
    setTabOrder(txtPostCredit_, txtPostDate_);
    setTabOrder(txtPostDate_, txtPostMemo_);
    setTabOrder(txtPostMemo_, cmdOKPost_);

    // The highlighted row is the chosen account, whether a click, the arrow keys or a
    // screen reader moved it.
    connect(accountGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { chooseAccount(current.row()); });
    connect(accountGrid_, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { chooseAccount(index.row()); });
    connect(txtAccountToPost_, &QLineEdit::textChanged, this, &PostingTab::findTypedAccount);
    connect(cmdOKPost_, &QPushButton::clicked, this, &PostingTab::postToAccount);
    for (QLineEdit* box : {txtPostDebit_, txtPostCredit_, txtPostDate_, txtPostMemo_}) {
        box->installEventFilter(this);
    }
}

bool PostingTab::eventFilter(QObject* watched, QEvent* event) {
    // Enter in Debit, Credit, Date or Memo posts, as the Post button would.
    if (event->type() == QEvent::KeyPress &&
        (watched == txtPostDebit_ || watched == txtPostCredit_ || watched == txtPostDate_ ||
         watched == txtPostMemo_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cmdOKPost_->isEnabled()) {
            postToAccount();
            return true;
        }
    }
    return TabPage::eventFilter(watched, event);
}

std::optional<ui::Tab> PostingTab::enter() {
    cmdOKPost_->setEnabled(false);
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
        cmdOKPost_->setEnabled(false);
        return;
    }
    chosen_ = Chosen{row, listed_[static_cast<std::size_t>(row)]};
    showAccount(row);
}

void PostingTab::showAccount(int row) {
    const AccountRecord& account = accountGrid_->accounts().account(row);
    txtAccountToPost_->setText(account.name);
    txtType_->setText(account.type);
    txtCurrent_->setText(formatCurrency(account.current));
    txtYear_->setText(formatCurrency(account.ytd));
}

void PostingTab::clearBoxes() {
    for (QLineEdit* box : {txtAccountToPost_, txtCurrent_, txtYear_, txtType_}) {
        box->clear();
    }
}

void PostingTab::findTypedAccount() {
    if (!txtAccountToPost_->text().isEmpty()) {
        cmdOKPost_->setEnabled(true);
    }
}

} // namespace folio::posting
