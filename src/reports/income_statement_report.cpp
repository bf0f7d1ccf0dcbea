#include "reports/income_statement_report.h"
#include "reports/dollar_line.h"
#include "reports/print_masks.h"
#include <optional>

namespace folio::reports {

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

// One line per account of a type code, in file order.
template <typename MakeLine>
void perAccount(std::vector<PrintLine>& lines, const statements::Statements& s, const char* code,
                MakeLine make) {
    s.forEachListed({code},
                    [&](int, const AccountRecord& account) { lines.push_back(make(account)); });
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
                    const statements::Statements& table, const statements::IncomeStatement& f,
                    const Columns& c) {
    lines.push_back(PrintLine().centred(c.width, heading.company));
    lines.push_back(PrintLine().tab(c.titleTab).text(QStringLiteral("Income Statement")));
    lines.push_back(PrintLine().centred(c.width, heading.date));
    if (!heading.note.isEmpty()) {
        lines.push_back(PrintLine().centred(c.width, heading.note));
    }
    lines.emplace_back();
    lines.push_back(revenueHeading(c.right, c.farHeading));
    perAccount(lines, table, "C4", [&](const AccountRecord& e) {
        return dollarLine(e.name, c.right, c.far, e.balances());
    });
    lines.push_back(ruleLine(c.right, c.revenueRules[0], c.far, c.revenueRules[1]));
    lines.push_back(dollarLine(QStringLiteral("Total Revenue"), c.right, c.far, f.revenue));
    perAccount(lines, table, "D4", [&](const AccountRecord& e) {
        return dollarLine(e.name, c.right, c.far, e.balances());
    });
    lines.push_back(ruleLine(c.right, c.revenueRules[2], c.far, c.revenueRules[3]));
    lines.push_back(PrintLine()
                        .text(QStringLiteral("Net Sales"))
                        .tab(c.right)
                        .text(dollarMask(f.netSales.current))
                        .tab(c.far)
                        .text(dollarMask(f.netSales.ytd)));
}

// The expense accounts, their total and the net income.
void expenseSection(std::vector<PrintLine>& lines, const statements::Statements& table,
                    const statements::IncomeStatement& f, const Columns& c) {
    lines.push_back(PrintLine().text(QStringLiteral("EXPENSES:")));
    lines.emplace_back();
    perAccount(lines, table, "D6",
               [](const AccountRecord& e) { return dollarLine(e.name, 35, 50, e.balances()); });
    lines.push_back(ruleLine(c.right, c.expenseRules[0], c.far, c.expenseRules[1]));
    lines.push_back(dollarLine(QStringLiteral("Total Expenses"), c.right, c.far, f.expenses));
    lines.push_back(ruleLine(c.right, c.expenseRules[2], c.far, c.expenseRules[3]));
    lines.push_back(dollarLine(QStringLiteral("Net Income"), c.right, c.far, f.netIncome));
}

} // namespace

std::vector<PrintLine> merchandisingLayout(const ReportHeading& heading,
                                           const statements::Statements& table,
                                           const statements::IncomeStatement& f) {
    std::vector<PrintLine> lines;
    revenueSection(lines, heading, table, f, kMerchandising);
    lines.emplace_back();
    lines.emplace_back();
    lines.push_back(PrintLine().text(QStringLiteral("COST OF GOODS SOLD:")));
    lines.emplace_back();
    for (const char* prefix : {"D1I", "D5", "C5"}) {
        perAccount(lines, table, prefix,
                   [](const AccountRecord& e) { return dollarLine(e.name, 35, 50, e.balances()); });
    }
    std::optional<QString> purchases; // the first purchases account names the net figure
    table.forEachListed({"D5"}, [&purchases](int, const AccountRecord& account) {
        if (!purchases) {
            purchases = account.name;
        }
    });
    if (purchases) {
        lines.push_back(dollarLine(QStringLiteral("Net ") + *purchases, 35, 50,
                                   f.purchases - f.purchaseReturns));
    }
    lines.push_back(dollarLine(QStringLiteral("Cost of Mdse. Available"), 35, 50, f.costAvailable));
    lines.push_back(dollarLine(QStringLiteral("Less Ending Inventory"), 35, 50,
                               Amounts::both(f.endingInventory)));
    lines.push_back(dollarLine(QStringLiteral("Cost of Goods Sold"), 67, 81, f.costOfGoodsSold));
    lines.push_back(dollarLine(QStringLiteral("Gross Profit"), 67, 81, f.grossProfit));
    lines.emplace_back();
    expenseSection(lines, table, f, kMerchandising);
    return lines;
}

std::vector<PrintLine> serviceLayout(const ReportHeading& heading,
                                     const statements::Statements& table,
                                     const statements::IncomeStatement& f) {
    std::vector<PrintLine> lines;
    revenueSection(lines, heading, table, f, kService);
    lines.emplace_back();
    expenseSection(lines, table, f, kService);
    return lines;
}

} // namespace folio::reports
