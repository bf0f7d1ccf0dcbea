#include "statements/income_statement_tab.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "statements/statement_chain.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/listing_grid.h"
#include "ui/listing_view.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace folio::statements {

IncomeStatementTab::IncomeStatementTab(ui::TabContext context, QWidget* parent)
    : TabPage(context, parent) {
    setObjectName(QStringLiteral("IncomeStatementTab"));
    auto* grid =
        new ui::ListingGrid(QStringLiteral("MSFlexGrid1"), QStringLiteral("Income Statement"),
                            QStringLiteral("Year To date"), this);
    accountsView_ = &grid->view();
    QGridLayout* figures = ui::Form::figureGrid(
        {
            {&revenueBox_, "txtRevenue", "Label5", "Current &Revenue", 0, 0},
            {&expensesBox_, "txtExpenses", "Label6", "Current &Expenses", 1, 0},
            {&netIncomeBox_, "txtNI", "Label7", "Current &Net Income", 2, 0},
            {&ytdRevenueBox_, "txtYtdRevenue", "Label8", "&Year to Date Revenue", 0, 2},
            {&ytdExpensesBox_, "txtYtdExpenses", "Label9", "Year to Date E&xpenses", 1, 2},
            {&ytdNetIncomeBox_, "txtYtdNI", "Label10", "Year to Date Net &Income", 2, 2},
        },
        this);
    merchandising_ = new QWidget(this);
    merchandising_->setObjectName(QStringLiteral("CostOfGoodsSold"));
    auto* cogs = ui::Form::figureGrid(
        {
            {&cogsBox_, "txtCogs", "lblCogs", "Current Cost of &Goods Sold", 0, 0},
            {&grossProfitBox_, "txtGrossProfit", "lblGrossProfit", "Current Gross Pr&ofit", 1, 0},
            {&ytdCogsBox_, "txtYtdCogs", "lblYtdCogs", "Year to Date &Cost of Goods Sold", 0, 2},
            {&ytdGrossProfitBox_, "txtYtdGrossProfit", "lblYtdGrossProfit",
             "Year to Date Gross Pro&fit", 1, 2},
            {&endingInventoryBox_, "txtEndingInventory", "lblEndingInventory",
             "Ending Inven&tory Used", 2, 0},
        },
        merchandising_);
    cogs->setContentsMargins(0, 0, 0, 0);
    merchandising_->setLayout(cogs);

    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdIsPrint"));
    connect(print, &QPushButton::clicked, this, &IncomeStatementTab::printRequested);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(print);

    auto* page = new QVBoxLayout(this);
    page->addWidget(grid, 1);
    page->addWidget(merchandising_);
    page->addLayout(figures);
    page->addLayout(buttons);
}

std::optional<ui::Tab> IncomeStatementTab::enter() {
    clearFigures();
    if (ctx_.company.business == Business::Unknown) {
        ctx_.dialogs.message(QStringLiteral("You must complete company information section"));
        return std::nullopt;
    }
    const int file = ctx_.books.reopen();
    const Statements s = computeStatements(ctx_.books.files(), file, ctx_.company,
                                           accountsView_->listBooks(ctx_.books));
    if (s.missing == Missing::EndingInventory) {
        ctx_.dialogs.message(QStringLiteral("You need to enter the amount of ending inventory"));
        return ui::Tab::Company;
    }
    show(s);
    return std::nullopt;
}

// Empties the grid and the figures first, so nothing of an earlier statement stays on
// screen when this one cannot be shown.
void IncomeStatementTab::clearFigures() {
    accountsView_->clear();
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    merchandising_->setVisible(ctx_.company.business == Business::Merchandising);
}

void IncomeStatementTab::show(const Statements& s) {
    const IncomeStatement& f = *s.income;
    accountsView_->showListing();
    revenueBox_->setText(formatCurrency(f.netSales.current));
    ytdRevenueBox_->setText(formatCurrency(f.netSales.ytd));
    expensesBox_->setText(formatCurrency(f.expenses.current));
    ytdExpensesBox_->setText(formatCurrency(f.expenses.ytd));
    netIncomeBox_->setText(formatCurrency(f.netIncome.current));
    ytdNetIncomeBox_->setText(formatCurrency(f.netIncome.ytd));
    cogsBox_->setText(formatCurrency(f.costOfGoodsSold.current));
    ytdCogsBox_->setText(formatCurrency(f.costOfGoodsSold.ytd));
    grossProfitBox_->setText(formatCurrency(f.grossProfit.current));
    ytdGrossProfitBox_->setText(formatCurrency(f.grossProfit.ytd));
    endingInventoryBox_->setText(formatCurrency(f.endingInventory));
}

} // namespace folio::statements
