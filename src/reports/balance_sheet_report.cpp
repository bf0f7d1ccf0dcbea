#include "reports/balance_sheet_report.h"
#include "data/account_types.h"
#include "reports/dollar_line.h"
#include "reports/print_masks.h"

namespace {
constexpr int kWidth = 92;

void section(std::vector<PrintLine>& lines, const char* title) {
    lines.push_back(PrintLine().text(QString::fromLatin1(title)));
    lines.emplace_back();
}
} // namespace

BalanceSheetFigures balanceSheetFigures(const AccountTable& table, Money endingInventory) {
    BalanceSheetFigures f;
    for (const AccountEntry& entry : table.entries) {
        if (entry.type == QLatin1String("D1")) {
            f.assets += balancesOf(entry);
        }
        if (codeBeginsWith(entry.type, "D1I")) {
            f.inventory = {endingInventory, endingInventory};
        }
        if (codeBeginsWith(entry.type, "C1")) {
            f.depreciation += balancesOf(entry);
        }
        if (codeBeginsWith(entry.type, "C2")) {
            f.liabilities += balancesOf(entry);
        }
    }
    return f;
}

std::vector<PrintLine> balanceSheetLayout(const ReportHeading& heading, const AccountTable& table,
                                          const BalanceSheetFigures& f, Money endingInventory,
                                          const BalanceSheetEquity& equity) {
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().tab(36).text(QStringLiteral("Balance Sheet")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    lines.emplace_back();
    lines.push_back(
        PrintLine().tab(35).text(QStringLiteral("Current")).tab(71).text(QStringLiteral("Ytd")));
    lines.emplace_back();
    section(lines, "ASSETS:");
    for (const AccountEntry& e : table.entries) {
        if (e.type == QLatin1String("D1")) {
            lines.push_back(dollarLine(shortName(e.name), 35, 71, balancesOf(e)));
        }
    }
    if (!endingInventory.isZero()) {
        lines.push_back(dollarLine(QStringLiteral("Mdse. Inventory"), 35, 71, f.inventory));
    }
    for (const AccountEntry& e : table.entries) {
        if (codeBeginsWith(e.type, "C1")) {
            lines.push_back(dollarLine(e.name, 35, 45, balancesOf(e)));
        }
    }
    lines.push_back(
        dollarLine(QStringLiteral("Total Assets - Accum Dep"), 35, 71, f.totalAssets()));
    lines.emplace_back();
    section(lines, "LIABILITIES:");
    for (const AccountEntry& e : table.entries) {
        if (codeBeginsWith(e.type, "C2")) {
            lines.push_back(dollarLine(shortName(e.name), 35, 71, balancesOf(e)));
        }
    }
    lines.push_back(dollarLine(QStringLiteral("Total Liabilities"), 35, 71, f.liabilities));
    lines.emplace_back();
    section(lines, "STOCKHOLDER'S EQUITY:");
    for (const AccountEntry& e : table.entries) {
        if (e.type.endsWith(u'C')) {
            lines.push_back(dollarLine(e.name, 57, 71, equity.capitalStock));
        }
        if (e.type.endsWith(QLatin1String("C3"))) {
            lines.push_back(dollarLine(e.name, 57, 71, equity.retainedEarnings));
        }
    }
    lines.push_back(dollarLine(QStringLiteral("Total Liabilities & Stockholder's Equity"), 57, 71,
                               equity.totalLiabilitiesAndEquity));
    return lines;
}
