#include "statements/trial_balance_tab.h"
#include "data/account_table.h"
#include "data/books_state.h"
#include "data/text_rules.h"
#include "statements/trial_balance.h"
#include "ui/dialogs.h"
#include "ui/flex_grid.h"
#include "ui/form.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* totalBox(const char* name, const QString& accessibleName, QWidget* parent) {
    QLineEdit* box = Form::box(QString::fromLatin1(name), parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setAccessibleName(accessibleName);
    return box;
}

QLabel* heading(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

// The four totals under the column headings "Current" and "Year to Date", one row for the
// debits and one for the credits.
QGridLayout* TrialBalanceTab::totalsGrid() {
    txtDebit_ = totalBox("txtDebit", QStringLiteral("Current Debits"), this);
    txtYtdDebits_ = totalBox("txtYtdDebits", QStringLiteral("Year to Date Debits"), this);
    txtCredits_ = totalBox("txtCredits", QStringLiteral("Current Credits"), this);
    txtYtdCredits_ = totalBox("txtYtdCredits", QStringLiteral("Year to Date Credits"), this);
    auto* grid = new QGridLayout();
    grid->addWidget(heading("lblCurrent", "Current", this), 0, 1);
    grid->addWidget(heading("lblYearToDate", "Year to Date", this), 0, 2);
    Form::addLabelled(grid, 1, 0, QStringLiteral("lblDebits"), QStringLiteral("&Debits"), txtDebit_,
                      this);
    grid->addWidget(txtYtdDebits_, 1, 2);
    Form::addLabelled(grid, 2, 0, QStringLiteral("lblCredits"), QStringLiteral("&Credits"),
                      txtCredits_, this);
    grid->addWidget(txtYtdCredits_, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return grid;
}

TrialBalanceTab::TrialBalanceTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("TrialBalanceTab"));
    grdTAble_ = new FlexGrid(QStringLiteral("grdTAble"), this);
    grdTAble_->setAccessibleName(QStringLiteral("Trial Balance"));

    QGridLayout* totals = totalsGrid();

    cmdPrint_ = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(cmdPrint_);

    auto* page = new QVBoxLayout(this);
    page->addWidget(grdTAble_, 1);
    page->addLayout(totals);
    page->addLayout(buttons);
}

void TrialBalanceTab::enter() {
    ctx_.books.files.close(ctx_.books.FileNumber);
    for (QLineEdit* box : {txtDebit_, txtCredits_, txtYtdDebits_, txtYtdCredits_}) {
        box->clear();
    }
    grdTAble_->startListing(QStringLiteral("Year To date Balance"));
    SetColWidth();
    FillCells();
}

void TrialBalanceTab::SetColWidth() {
    grdTAble_->setColumnWidthsTwips({3000, 1000, 2100, 2700});
}

void TrialBalanceTab::FillCells() {
    BooksState& books = ctx_.books;
    books.reopen();
    const AccountTable table = AccountTable::read(books.files, books.FileNumber,
                                                  books.files.recordCount(books.FileNumber));
    const TrialBalanceFigures figures = computeTrialBalance(table);
    books.RecordCount = static_cast<int>(figures.listed.size());
    books.CurrentRecord = books.RecordCount + 1;
    showFigures(figures);
    if (figures.tooMany) {
        ctx_.dialogs.message(tooManyAccountsMessage());
    }
}

void TrialBalanceTab::showFigures(const TrialBalanceFigures& figures) {
    int row = 1;
    for (const AccountEntry& entry : figures.listed) {
        grdTAble_->setAccountRow(row, row, entry);
        ++row;
    }
    txtDebit_->setText(formatCurrency(figures.currentDebits));
    txtCredits_->setText(formatCurrency(figures.currentCredits));
    txtYtdDebits_->setText(formatCurrency(figures.ytdDebits));
    txtYtdCredits_->setText(formatCurrency(figures.ytdCredits));
}
