#include "reports/equity_report.h"
#include "data/account_types.h"
#include "reports/dollar_line.h"

namespace {
constexpr int kWidth = 92;

PrintLine amountLine(const QString& name, const Amounts& amounts) {
    return dollarLine(name, 35, 55, amounts);
}
} // namespace

Amounts equityAccountsSum(const AccountTable& table) {
    Amounts sum;
    for (const AccountEntry& entry : table.entries) {
        if (codeBeginsWith(entry.type, "C3")) {
            sum += balancesOf(entry);
        }
    }
    return sum;
}

std::vector<PrintLine> equityLayout(const ReportHeading& heading, const EquityLines& figures) {
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().tab(36).text(QStringLiteral("Stockholders' Equity")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    lines.emplace_back();
    lines.push_back(
        PrintLine().tab(35).text(QStringLiteral("Current")).tab(55).text(QStringLiteral("Ytd")));
    lines.emplace_back();
    lines.push_back(amountLine(QStringLiteral("Capital Stock"), figures.capitalStock));
    lines.push_back(amountLine(QStringLiteral("Retained Earnings"), figures.retainedEarnings));
    lines.push_back(amountLine(QStringLiteral("Total Stockholders' Equity"), figures.totalEquity));
    return lines;
}
