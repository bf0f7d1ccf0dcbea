#include "reports/balance_sheet_report.h"
#include "reports/dollar_line.h"
#include "reports/print_masks.h"
#include <map>

namespace folio::reports {

namespace {
constexpr int kWidth = 92;

void section(std::vector<PrintLine>& lines, const char* title) {
    lines.push_back(PrintLine().text(QString::fromLatin1(title)));
    lines.emplace_back();
}
} // namespace

std::vector<PrintLine> balanceSheetLayout(const ReportHeading& heading,
                                          const statements::Statements& s) {
    const statements::BalanceSheet& f = *s.balance;
    // The accounts each section lists, found in one pass over the books.
    std::map<QString, std::vector<AccountRecord>> listed;
    s.forEachListed({"D1", "C1", "C2", "C3C", "C3"}, [&listed](int, const AccountRecord& account) {
        listed[account.type].push_back(account);
    });
    const auto accounts = [&listed](const char* code) { return listed[QLatin1String(code)]; };
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().tab(36).text(QStringLiteral("Balance Sheet")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    if (!heading.note.isEmpty()) {
        lines.push_back(PrintLine().centred(kWidth, heading.note));
    }
    lines.emplace_back();
    lines.push_back(
        PrintLine().tab(35).text(QStringLiteral("Current")).tab(71).text(QStringLiteral("Ytd")));
    lines.emplace_back();
    section(lines, "ASSETS:");
    for (const AccountRecord& e : accounts("D1")) {
        lines.push_back(dollarLine(e.name, 35, 71, e.balances()));
    }
    if (!f.inventory.isZero()) {
        lines.push_back(dollarLine(QStringLiteral("Mdse. Inventory"), 35, 71, f.inventory));
    }
    for (const AccountRecord& e : accounts("C1")) {
        lines.push_back(dollarLine(e.name, 35, 45, e.balances()));
    }
    lines.push_back(dollarLine(QStringLiteral("Total Assets - Accum Dep"), 35, 71, f.totalAssets));
    lines.emplace_back();
    section(lines, "LIABILITIES:");
    for (const AccountRecord& e : accounts("C2")) {
        lines.push_back(dollarLine(e.name, 35, 71, e.balances()));
    }
    lines.push_back(dollarLine(QStringLiteral("Total Liabilities"), 35, 71, f.liabilities));
    lines.emplace_back();
    section(lines, "STOCKHOLDERS' EQUITY:");
    for (const AccountRecord& e : accounts("C3C")) {
        lines.push_back(dollarLine(e.name, 57, 71, e.balances()));
    }
    // Retained earnings print once, at their ending amount, under the name of the
    // retained earnings account.
    const std::vector<AccountRecord> retained = accounts("C3");
    lines.push_back(
        dollarLine(retained.empty() ? QStringLiteral("Retained Earnings") : retained.front().name,
                   57, 71, f.retainedEarnings));
    lines.push_back(dollarLine(QStringLiteral("Total Liabilities & Stockholders' Equity"), 57, 71,
                               f.totalLiabilitiesAndEquity));
    return lines;
}

} // namespace folio::reports
