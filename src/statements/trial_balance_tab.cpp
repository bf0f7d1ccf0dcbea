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

TrialBalanceTab::TrialBalanceTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("TrialBalanceTab"));
    grdTAble_ = new FlexGrid(QStringLiteral("grdTAble"), this);
    grdTAble_->setAccessibleName(QStringLiteral("Trial Balance"));

    QGridLayout* totals = Form::figureGrid(
        {
            {&txtDebit_, "txtDebit", "lblDebit", "C&urrent Debits", 0, 0},
            {&txtCredits_, "txtCredits", "lblCredits", "Current C&redits", 1, 0},
            {&txtYtdDebits_, "txtYtdDebits", "lblYtdDebits", "&Year to Date Debits", 0, 2},
            {&txtYtdCredits_, "txtYtdCredits", "lblYtdCredits", "Year to Date Cre&dits", 1, 2},
        },
        this);

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
