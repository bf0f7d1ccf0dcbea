#include "reports/income_statement_report.h"
#include "data/account_types.h"
#include "reports/dollar_line.h"
#include "reports/print_masks.h"

namespace {

QString rule(int length) {
    return QString(length, u'_');
}

PrintLine ruleLine(int first, int firstLength, int second, int secondLength) {
    return PrintLine().tab(first).text(rule(firstLength)).tab(second).text(rule(secondLength));
}

PrintLine revenueHeading(int current, int ytd) {
    return PrintLine()
        .text(QStringLiteral("REVENUE:"))
        .tab(35)
        .text(QStringLiteral("Current"))
        .tab(45)
        .text(QStringLiteral("Year to Date"))
        .tab(current)
        .text(QStringLiteral("Current"))
        .tab(ytd)
        .text(QStringLiteral("Year to Date"));
}

// One line per account whose code begins with `prefix`, in file order.
template <typename MakeLine>
void perAccount(std::vector<PrintLine>& lines, const AccountTable& table, const char* prefix,
                MakeLine make) {
    for (const AccountEntry& entry : table.entries) {
        if (codeBeginsWith(entry.type, prefix)) {
            lines.push_back(make(entry));
        }
    }
}

// Where the two layouts differ: the centring width, the title's column, the columns of
// the right-hand amounts and of their headings, and the underscore rules' lengths.
struct Columns {
    int width;
    int titleTab;
    int right;
    int far;
    int farHeading;
    int revenueRules[4];
    int expenseRules[4];
};

constexpr Columns kMerchandising{102, 39, 67, 81, 81, {10, 7, 10, 8}, {10, 11, 10, 10}};
constexpr Columns kService{87, 36, 65, 79, 75, {10, 9, 10, 10}, {11, 11, 10, 8}};

// The heading and the revenue section down to "Net Sales", which both layouts share.
void revenueSection(std::vector<PrintLine>& lines, const ReportHeading& heading,
                    const AccountTable& table, const IncomeFigures& f, const Columns& c) {
    lines.push_back(PrintLine().centred(c.width, heading.company));
    lines.push_back(PrintLine().tab(c.titleTab).text(QStringLiteral("Income Statement")));
    lines.push_back(PrintLine().centred(c.width, heading.date));
    lines.emplace_back();
    lines.push_back(revenueHeading(c.right, c.farHeading));
    perAccount(lines, table, "C4", [&](const AccountEntry& e) {
        return dollarLine(e.name, c.right, c.far, balancesOf(e));
    });
    lines.push_back(ruleLine(c.right, c.revenueRules[0], c.far, c.revenueRules[1]));
    lines.push_back(dollarLine(QStringLiteral("Total Revenue"), c.right, c.far, f.revenue));
    perAccount(lines, table, "D4", [&](const AccountEntry& e) {
        return dollarLine(e.name, c.right, c.far, balancesOf(e));
    });
    lines.push_back(ruleLine(c.right, c.revenueRules[2], c.far, c.revenueRules[3]));
    lines.push_back(PrintLine()
                        .text(QStringLiteral("Net Sales"))
                        .tab(c.right)
                        .text(dollarMask(f.netSales.current))
                        .tab(c.far)
                        .text(numberMask(f.netSales.ytd)));
}

// The expense accounts, their total and the net income.
void expenseSection(std::vector<PrintLine>& lines, const AccountTable& table,
                    const IncomeFigures& f, const Columns& c) {
    lines.push_back(PrintLine().text(QStringLiteral("EXPENSES:")));
    lines.emplace_back();
    perAccount(lines, table, "D6", [](const AccountEntry& e) {
        return dollarLine(shortName(e.name), 35, 50, balancesOf(e));
    });
    lines.push_back(ruleLine(c.right, c.expenseRules[0], c.far, c.expenseRules[1]));
    lines.push_back(dollarLine(QStringLiteral("Total Expenses"), c.right, c.far, f.expenses));
    lines.push_back(ruleLine(c.right, c.expenseRules[2], c.far, c.expenseRules[3]));
    lines.push_back(dollarLine(QStringLiteral("Net Income"), c.right, c.far, f.netIncome));
}

} // namespace

IncomeFigures merchandisingFigures(const AccountTable& table, Money endingInventory) {
    IncomeFigures f = serviceFigures(table);
    for (const AccountEntry& entry : table.entries) {
        if (codeBeginsWith(entry.type, "D1I")) {
            f.beginningInventory = balancesOf(entry);
        }
        if (codeBeginsWith(entry.type, "D5")) {
            f.purchases = balancesOf(entry);
        }
        if (codeBeginsWith(entry.type, "C5")) {
            f.purchaseReturns += balancesOf(entry);
        }
    }
    f.endingInventory = endingInventory;
    f.costAvailable = f.beginningInventory + f.purchases - f.purchaseReturns;
    f.costOfGoodsSold = f.costAvailable - Amounts{endingInventory, endingInventory};
    f.grossProfit = f.netSales - f.costOfGoodsSold;
    f.netIncome = f.grossProfit - f.expenses;
    return f;
}

IncomeFigures serviceFigures(const AccountTable& table) {
    IncomeFigures f;
    for (const AccountEntry& entry : table.entries) {
        if (codeBeginsWith(entry.type, "C4")) {
            f.revenue += balancesOf(entry);
        }
        if (codeBeginsWith(entry.type, "D4")) {
            f.salesReturns += balancesOf(entry);
        }
        if (codeBeginsWith(entry.type, "D6")) {
            f.expenses += balancesOf(entry);
        }
    }
    f.netSales = f.revenue - f.salesReturns;
    f.netIncome = f.revenue - f.expenses;
    return f;
}

std::vector<PrintLine> merchandisingLayout(const ReportHeading& heading, const AccountTable& table,
                                           const IncomeFigures& f) {
    std::vector<PrintLine> lines;
    revenueSection(lines, heading, table, f, kMerchandising);
    lines.emplace_back();
    lines.emplace_back();
    lines.push_back(PrintLine().text(QStringLiteral("COST OF GOODS SOLD:")));
    lines.emplace_back();
    for (const char* prefix : {"D1I", "D5", "C5"}) {
        perAccount(lines, table, prefix,
                   [](const AccountEntry& e) { return dollarLine(e.name, 35, 50, balancesOf(e)); });
    }
    perAccount(lines, table, "D5", [&](const AccountEntry& e) {
        return dollarLine(QStringLiteral("Net ") + e.name, 35, 50,
                          balancesOf(e) - f.purchaseReturns);
    });
    lines.push_back(dollarLine(QStringLiteral("Cost of Mdse. Available"), 35, 50, f.costAvailable));
    lines.push_back(dollarLine(QStringLiteral("Less Ending Inventory"), 35, 50,
                               {f.endingInventory, f.endingInventory}));
    lines.push_back(dollarLine(QStringLiteral("Cost of Goods Sold"), 67, 81, f.costOfGoodsSold));
    lines.push_back(dollarLine(QStringLiteral("Gross Profit"), 67, 81, f.grossProfit));
    lines.emplace_back();
    expenseSection(lines, table, f, kMerchandising);
    return lines;
}

std::vector<PrintLine> serviceLayout(const ReportHeading& heading, const AccountTable& table,
                                     const IncomeFigures& f) {
    std::vector<PrintLine> lines;
    revenueSection(lines, heading, table, f, kService);
    lines.emplace_back();
    expenseSection(lines, table, f, kService);
    return lines;
}
