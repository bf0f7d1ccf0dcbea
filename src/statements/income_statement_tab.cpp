#include "statements/income_statement_tab.h"
#include "data/account_table.h"
#include "data/books_state.h"
#include "data/company_values.h"
#include "data/text_rules.h"
#include "statements/income_statement.h"
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
constexpr int kCompanyTab = 7;
}

IncomeStatementTab::IncomeStatementTab(TabContext context, QWidget* parent)
    : TabPage(context, parent) {
    setObjectName(QStringLiteral("IncomeStatementTab"));
    MSFlexGrid1_ = new FlexGrid(QStringLiteral("MSFlexGrid1"), this);
    MSFlexGrid1_->setAccessibleName(QStringLiteral("Income Statement"));

    QGridLayout* figures = Form::figureGrid(
        {
            {&txtRevenue_, "txtRevenue", "Label5", "Current &Revenue", 0, 0},
            {&txtExpenses_, "txtExpenses", "Label6", "Current &Expenses", 1, 0},
            {&txtNI_, "txtNI", "Label7", "Current &Net Income", 2, 0},
            {&txtYtdRevenue_, "txtYtdRevenue", "Label8", "&Year to Date Revenue", 0, 2},
            {&txtYtdExpenses_, "txtYtdExpenses", "Label9", "Year to Date E&xpenses", 1, 2},
            {&txtYtdNI_, "txtYtdNI", "Label10", "Year to Date Net &Income", 2, 2},
        },
        this);

    cmdIsPrint_ = new QPushButton(QStringLiteral("&Print"), this);
    cmdIsPrint_->setObjectName(QStringLiteral("cmdIsPrint"));
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(cmdIsPrint_);

    auto* page = new QVBoxLayout(this);
    page->addWidget(MSFlexGrid1_, 1);
    page->addLayout(figures);
    page->addLayout(buttons);
}

void IncomeStatementTab::enter() {
    const QString& business = ctx_.books.BusinessType;
    if (business != QLatin1String("Mdse") && business != QLatin1String("Service")) {
        ctx_.dialogs.message(QStringLiteral("You must complete company information section"));
        return;
    }
    FillCellsIS();
}

void IncomeStatementTab::FillCellsIS() {
    BooksState& books = ctx_.books;
    const bool merchandising = books.BusinessType == QLatin1String("Mdse");
    Money endingInventory;
    if (merchandising) {
        if (!books.EndingInventory || books.EndingInventory->trimmed().isEmpty()) {
            ctx_.dialogs.message(
                QStringLiteral("You need to enter the amount of ending inventory"));
            ctx_.window.showTab(kCompanyTab);
            return;
        }
        const std::optional<Money> amount = endingInventoryAmount(books.EndingInventory);
        if (!amount) {
            ctx_.dialogs.message(
                notANumberMessage(QStringLiteral("ending inventory"), *books.EndingInventory));
            ctx_.window.showTab(kCompanyTab);
            return;
        }
        endingInventory = *amount;
    } else if (books.Tag.isEmpty()) {
        ctx_.dialogs.message(QStringLiteral("File not Selected!"), MessageIcon::Critical);
        return;
    }

    prepareGrid();
    books.reopen();
    const AccountTable table = AccountTable::read(books.files, books.FileNumber,
                                                  books.files.recordCount(books.FileNumber));
    const IncomeStatementFigures figures = merchandising
                                               ? computeMerchandisingIncome(table, endingInventory)
                                               : computeServiceIncome(table);
    books.RecordCount = static_cast<int>(figures.listed.size());
    books.CurrentRecord = static_cast<int>(table.entries.size()) + 1;
    books.NetIncome = figures.current.netIncome;
    books.YtdNetIncome = figures.ytd.netIncome;
    showFigures(figures);
    if (figures.tooMany) {
        ctx_.dialogs.message(tooManyAccountsMessage());
    }
}

// Empties the grid and the figures before they are computed again, so nothing of an
// earlier statement stays on screen when this one cannot be completed.
void IncomeStatementTab::prepareGrid() {
    for (QLineEdit* box :
         {txtRevenue_, txtExpenses_, txtNI_, txtYtdRevenue_, txtYtdExpenses_, txtYtdNI_}) {
        box->clear();
    }
    ctx_.books.NetIncome = Money();
    ctx_.books.YtdNetIncome = Money();
    MSFlexGrid1_->startListing(QStringLiteral("Year To date"));
    MSFlexGrid1_->setColumnWidthsTwips({2100, 1000, 1500, 1500});
}

void IncomeStatementTab::showFigures(const IncomeStatementFigures& figures) {
    int row = 1;
    for (const AccountEntry& entry : figures.listed) {
        MSFlexGrid1_->setAccountRow(row, row, entry);
        ++row;
    }
    txtRevenue_->setText(formatCurrency(figures.current.netSales));
    txtYtdRevenue_->setText(formatCurrency(figures.ytd.netSales));
    txtExpenses_->setText(formatCurrency(figures.current.expenses));
    txtYtdExpenses_->setText(formatCurrency(figures.ytd.expenses));
    txtNI_->setText(formatCurrency(figures.current.netIncome));
    txtYtdNI_->setText(formatCurrency(figures.ytd.netIncome));
}
