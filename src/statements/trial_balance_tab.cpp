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

    auto* totals = new QGridLayout();
    const struct {
        QLineEdit** box;
        const char* name;
        const char* label;
        const char* caption;
        int row;
        int column;
    } boxes[] = {
        {&txtDebit_, "txtDebit", "lblDebit", "C&urrent Debits", 0, 0},
        {&txtCredits_, "txtCredits", "lblCredits", "Current C&redits", 1, 0},
        {&txtYtdDebits_, "txtYtdDebits", "lblYtdDebits", "&Year to Date Debits", 0, 2},
        {&txtYtdCredits_, "txtYtdCredits", "lblYtdCredits", "Year to Date Cre&dits", 1, 2},
    };
    for (const auto& b : boxes) {
        *b.box = Form::box(QString::fromLatin1(b.name), this);
        (*b.box)->setReadOnly(true);
        (*b.box)->setAlignment(Qt::AlignRight);
        totals->addWidget(
            Form::label(QString::fromLatin1(b.label), QString::fromLatin1(b.caption), *b.box, this),
            b.row, b.column);
        totals->addWidget(*b.box, b.row, b.column + 1);
    }
    totals->setColumnStretch(1, 1);
    totals->setColumnStretch(3, 1);

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
    grdTAble_->clearCells();
    for (QLineEdit* box : {txtDebit_, txtCredits_, txtYtdDebits_, txtYtdCredits_}) {
        box->clear();
    }
    grdTAble_->setCell(0, 1, QStringLiteral("Account Title"));
    grdTAble_->setCell(0, 2, QStringLiteral("Type"));
    grdTAble_->setCell(0, 3, QStringLiteral("Current Balance"));
    grdTAble_->setCell(0, 4, QStringLiteral("Year To date Balance"));
    grdTAble_->setCell(0, 0, QStringLiteral("AN."));
    SetColWidth();
    FillCells();
}

void TrialBalanceTab::SetColWidth() {
    grdTAble_->setColumnWidthTwips(1, 3000);
    grdTAble_->setColumnWidthTwips(2, 1000);
    grdTAble_->setColumnWidthTwips(3, 2100);
    grdTAble_->setColumnWidthTwips(4, 2700);
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
        grdTAble_->setCell(row, 0, QString::number(row));
        grdTAble_->setCell(row, 1, entry.name);
        grdTAble_->setCell(row, 2, entry.type);
        grdTAble_->setCell(row, 3, formatCurrency(entry.current));
        grdTAble_->setCell(row, 4, formatCurrency(entry.ytd));
        ++row;
    }
    txtDebit_->setText(formatCurrency(figures.currentDebits));
    txtCredits_->setText(formatCurrency(figures.currentCredits));
    txtYtdDebits_->setText(formatCurrency(figures.ytdDebits));
    txtYtdCredits_->setText(formatCurrency(figures.ytdCredits));
}
