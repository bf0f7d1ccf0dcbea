#include "statements/income_statement.h"
#include "data/account_types.h"

namespace {

enum class Business { Merchandising, Service };

// Adds one account's balance to the totals of a column; the type code tests run in the
// order the statement has always used them.
void addAccount(IncomeFigures& column, const QString& type, Money balance, Business business) {
    if (business == Business::Service) {
        if (codeBeginsWith(type, "D6")) {
            column.expenses += balance;
        }
        if (codeBeginsWith(type, "C4")) {
            column.revenue += balance;
        }
        return;
    }
    if (codeBeginsWith(type, "C4")) {
        column.revenue += balance;
    }
    if (codeBeginsWith(type, "D4")) {
        column.salesReturns += balance;
    }
    if (codeBeginsWith(type, "D1I")) {
        column.beginningInventory = balance;
    }
    if (codeBeginsWith(type, "D6")) {
        column.expenses += balance;
    }
    if (codeBeginsWith(type, "D5")) {
        column.purchases = balance;
    }
    if (codeBeginsWith(type, "C5")) {
        column.purchaseReturns += balance;
    }
}

void finish(IncomeFigures& column, Money endingInventory, Business business) {
    if (business == Business::Service) {
        column.netSales = column.revenue;
        column.grossProfit = column.revenue;
        column.netIncome = column.revenue - column.expenses;
        return;
    }
    column.netSales = column.revenue - column.salesReturns;
    column.costAvailable = column.beginningInventory + column.purchases - column.purchaseReturns;
    column.costOfGoodsSold = column.costAvailable - endingInventory;
    column.grossProfit = column.netSales - column.costOfGoodsSold;
    column.netIncome = column.grossProfit - column.expenses;
}

IncomeStatementFigures compute(const AccountTable& table, Money endingInventory,
                               Business business) {
    IncomeStatementFigures figures;
    for (const AccountEntry& entry : table.entries) {
        if (!entry.name.isEmpty()) {
            if (static_cast<int>(figures.listed.size()) == AccountTable::kGridRows) {
                figures.tooMany = true;
                break;
            }
            figures.listed.push_back(entry);
        }
        // A record without a name is not listed, but its balances still count.
        addAccount(figures.current, entry.type, entry.current, business);
        addAccount(figures.ytd, entry.type, entry.ytd, business);
    }
    figures.tooMany = figures.tooMany || table.truncated;
    finish(figures.current, endingInventory, business);
    finish(figures.ytd, endingInventory, business);
    return figures;
}

} // namespace

IncomeStatementFigures computeMerchandisingIncome(const AccountTable& table,
                                                  Money endingInventory) {
    return compute(table, endingInventory, Business::Merchandising);
}

IncomeStatementFigures computeServiceIncome(const AccountTable& table) {
    return compute(table, Money(), Business::Service);
}
