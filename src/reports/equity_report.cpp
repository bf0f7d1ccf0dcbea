#include "reports/equity_report.h"
#include "reports/dollar_line.h"

namespace folio::reports {

namespace {
constexpr int kWidth = 92;

PrintLine amountLine(const QString& name, const Amounts& amounts) {
    return dollarLine(name, 35, 55, amounts);
}
} // namespace

std::vector<PrintLine> equityLayout(const ReportHeading& heading,
                                    const statements::EquityStatement& figures) {
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().tab(36).text(QStringLiteral("Stockholders' Equity")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    if (!heading.note.isEmpty()) {
        lines.push_back(PrintLine().centred(kWidth, heading.note));
    }
    lines.emplace_back();
    lines.push_back(
        PrintLine().tab(35).text(QStringLiteral("Current")).tab(55).text(QStringLiteral("Ytd")));
    lines.emplace_back();
    // How the retained earnings came about, as the tab shows them, then the equity.
    lines.push_back(
        amountLine(QStringLiteral("Beginning Retained Earnings"), figures.beginningRetained));
    lines.push_back(amountLine(QStringLiteral("Net Income"), figures.netIncome));
    lines.push_back(amountLine(QStringLiteral("Less Dividends"), figures.dividends));
    lines.push_back(amountLine(QStringLiteral("Retained Earnings"), figures.endingRetained));
    lines.emplace_back();
    lines.push_back(amountLine(QStringLiteral("Capital Stock"), figures.capitalStock));
    lines.push_back(amountLine(QStringLiteral("Total Stockholders' Equity"), figures.total));
    return lines;
}

} // namespace folio::reports
