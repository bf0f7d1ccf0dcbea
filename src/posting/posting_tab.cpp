#include "posting/posting_tab.h"
#include "data/account_table.h"
#include "data/books_state.h"
#include "data/file_error.h"
#include "data/text_rules.h"
#include "posting/posting_rules.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include "ui/flex_grid.h"
#include "ui/form.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kNameColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kCurrentColumn = 3;
constexpr int kYearColumn = 4;

QLineEdit* shownBox(const QString& name, QWidget* parent) {
    QLineEdit* box = Form::box(name, parent);
    box->setReadOnly(true); // shows the chosen account; the grid click fills it
    return box;
}
// The accounts grid, which tells whether its selection moves with the arrow keys: those
// move through the rows without choosing an account.
class AccountGrid : public FlexGrid {
  public:
    using FlexGrid::FlexGrid;
    bool keyboardMove = false;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        keyboardMove = true;
        FlexGrid::keyPressEvent(event);
        keyboardMove = false;
    }
};
} // namespace

PostingTab::PostingTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("PostingTab"));
    auto* grid = new AccountGrid(QStringLiteral("MSFlexGrid3"), this);
    MSFlexGrid3_ = grid;
    MSFlexGrid3_->setAccessibleName(QStringLiteral("Accounts"));
    txtAccountToPost_ = shownBox(QStringLiteral("txtAccountToPost"), this);
    txtType_ = shownBox(QStringLiteral("txtType"), this);
    txtCurrent_ = shownBox(QStringLiteral("txtCurrent"), this);
    txtYear_ = shownBox(QStringLiteral("txtYear"), this);

    Frame1_ = new QGroupBox(QStringLiteral("Post"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    txtPostDebit_ = Form::box(QStringLiteral("txtPostDebit"), Frame1_);
    txtPostCredit_ = Form::box(QStringLiteral("txtPostCredit"), Frame1_);
    auto* amounts = new QGridLayout(Frame1_);
    Form::addLabelled(amounts, 0, 0, QStringLiteral("lblPostDebit"), QStringLiteral("&Debit"),
                      txtPostDebit_, Frame1_);
    Form::addLabelled(amounts, 1, 0, QStringLiteral("lblPostCredit"), QStringLiteral("C&redit"),
                      txtPostCredit_, Frame1_);

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
        Form::addLabelled(account, line, 0, QString::fromLatin1(row.name),
                          QString::fromLatin1(row.caption), row.box, this);
        ++line;
    }

    auto* side = new QVBoxLayout();
    side->addLayout(account);
    side->addWidget(Frame1_);
    side->addWidget(cmdOKPost_, 0, Qt::AlignRight);
    side->addStretch(1);
    auto* page = new QHBoxLayout(this);
    page->addWidget(MSFlexGrid3_, 3);
    page->addLayout(side, 2);

    QWidget* order[] = {MSFlexGrid3_, txtAccountToPost_, txtType_,       txtCurrent_,
                        txtYear_,     txtPostDebit_,     txtPostCredit_, cmdOKPost_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    connect(MSFlexGrid3_, &FlexGrid::cellClicked, this,
            [this](int row, int) { MSFlexGrid3_Click(row); });
    // Enter on a row chooses it as a click does; moving with the arrow keys does not.
    connect(MSFlexGrid3_, &FlexGrid::cellActivated, this,
            [this](int row, int) { MSFlexGrid3_Click(row); });
    // A screen reader chooses a row by selecting one of its cells.
    connect(MSFlexGrid3_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, grid] {
                const QModelIndexList picked = MSFlexGrid3_->selectionModel()->selectedIndexes();
                if (!grid->keyboardMove && picked.size() == 1) {
                    MSFlexGrid3_Click(picked.front().row());
                }
            });
    connect(txtAccountToPost_, &QLineEdit::textChanged, this, &PostingTab::txtAccountToPost_Change);
    connect(cmdOKPost_, &QPushButton::clicked, this, &PostingTab::cmdOKPost_Click);
}

void PostingTab::enter() {
    cmdOKPost_->setEnabled(false);
    chosen_.reset();
    clearBoxes();
    MSFlexGrid3_->clearSelection(); // no row stands chosen until one is clicked
    BooksState& books = ctx_.books;
    books.reopen();
    const int records = books.files.recordCount(books.FileNumber);
    books.RecordCount = records;
    books.CurrentRecord = 1;
    const AccountTable table = AccountTable::read(books.files, books.FileNumber, records);
    const PostingRules::Listing listing = PostingRules::listing(table);
    listedRecords_ = listing.records;
    books.RecordCount = listing.accounts;
    books.CurrentRecord = static_cast<int>(table.entries.size()) + 1;
    FillCells(table);
    if (listing.tooMany) {
        ctx_.dialogs.message(tooManyAccountsMessage());
    }
}

void PostingTab::FillCells(const AccountTable& table) {
    MSFlexGrid3_->startListing(QStringLiteral("Year To date"));
    MSFlexGrid3_->setColumnWidthsTwips({2100, 1000, 1500, 1500});
    int row = 0;
    for (const int record : listedRecords_) {
        ++row;
        const AccountEntry& entry = table.entries[static_cast<std::size_t>(record - 1)];
        MSFlexGrid3_->setAccountRow(row, record, entry);
    }
}

void PostingTab::MSFlexGrid3_Click(int row) {
    if (row < 1 || row >= FlexGrid::kRows) {
        return; // the heading row chooses nothing
    }
    if (row > static_cast<int>(listedRecords_.size())) {
        chosen_.reset();
        clearBoxes();
        cmdOKPost_->setEnabled(false);
        return;
    }
    chosen_ = Chosen{row, listedRecords_[static_cast<std::size_t>(row - 1)]};
    showAccount(row);
}

void PostingTab::showAccount(int row) {
    txtAccountToPost_->setText(MSFlexGrid3_->cell(row, kNameColumn));
    txtType_->setText(MSFlexGrid3_->cell(row, kTypeColumn));
    txtCurrent_->setText(MSFlexGrid3_->cell(row, kCurrentColumn));
    txtYear_->setText(MSFlexGrid3_->cell(row, kYearColumn));
}

void PostingTab::clearBoxes() {
    for (QLineEdit* box : {txtAccountToPost_, txtCurrent_, txtYear_, txtType_}) {
        box->clear();
    }
}

void PostingTab::txtAccountToPost_Change() {
    if (!txtAccountToPost_->text().isEmpty()) {
        cmdOKPost_->setEnabled(true);
    }
}
