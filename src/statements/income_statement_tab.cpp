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
    MSFlexGrid1_ = &grid->view();
    QGridLayout* figures = ui::Form::figureGrid(
        {
            {&txtRevenue_, "txtRevenue", "Label5", "Current &Revenue", 0, 0},
            {&txtExpenses_, "txtExpenses", "Label6", "Current &Expenses", 1, 0},
            {&txtNI_, "txtNI", "Label7", "Current &Net Income", 2, 0},
            {&txtYtdRevenue_, "txtYtdRevenue", "Label8", "&Year to Date Revenue", 0, 2},
            {&txtYtdExpenses_, "txtYtdExpenses", "Label9", "Year to Date E&xpenses", 1, 2},
            {&txtYtdNI_, "txtYtdNI", "Label10", "Year to Date Net &Income", 2, 2},
        },
        this);
    merchandising_ = new QWidget(this);
    merchandising_->setObjectName(QStringLiteral("CostOfGoodsSold"));
    auto* cogs = ui::Form::figureGrid(
        {
            {&txtCogs_, "txtCogs", "lblCogs", "Current Cost of &Goods Sold", 0, 0},
            {&txtGrossProfit_, "txtGrossProfit", "lblGrossProfit", "Current Gross Pr&ofit", 1, 0},
            {&txtYtdCogs_, "txtYtdCogs", "lblYtdCogs", "Year to Date &Cost of Goods Sold", 0, 2},
            {&txtYtdGrossProfit_, "txtYtdGrossProfit", "lblYtdGrossProfit",
             "Year to Date Gross Pro&fit", 1, 2},
            {&txtEndingInventory_, "txtEndingInventory", "lblEndingInventory",
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
                                           MSFlexGrid1_->listBooks(ctx_.books));
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
    MSFlexGrid1_->clear();
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    merchandising_->setVisible(ctx_.company.business == Business::Merchandising);
}

void IncomeStatementTab::show(const Statements& s) {
    const IncomeStatement& f = *s.income;
    MSFlexGrid1_->showListing();
    txtRevenue_->setText(formatCurrency(f.netSales.current));
    txtYtdRevenue_->setText(formatCurrency(f.netSales.ytd));
    txtExpenses_->setText(formatCurrency(f.expenses.current));
    txtYtdExpenses_->setText(formatCurrency(f.expenses.ytd));
    txtNI_->setText(formatCurrency(f.netIncome.current));
    txtYtdNI_->setText(formatCurrency(f.netIncome.ytd));
    txtCogs_->setText(formatCurrency(f.costOfGoodsSold.current));
    txtYtdCogs_->setText(formatCurrency(f.costOfGoodsSold.ytd));
    txtGrossProfit_->setText(formatCurrency(f.grossProfit.current));
    txtYtdGrossProfit_->setText(formatCurrency(f.grossProfit.ytd));
    txtEndingInventory_->setText(formatCurrency(f.endingInventory));
}

} // namespace folio::statements
