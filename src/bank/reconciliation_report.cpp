#include "bank/reconciliation_report.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"

namespace folio::bank {

namespace {

constexpr int kWidth = 80;
// The column the amounts end in.
constexpr int kAmountsEnd = 70;

reports::PrintLine figure(const QString& label, Money amount) {
    reports::PrintLine line;
    line.tab(6).text(label).rightAligned(kAmountsEnd, formatCurrency(amount));
    return line;
}

void listLines(std::vector<reports::PrintLine>& out, const std::vector<AccountLine>& lines,
               bool cleared, const QString& title) {
    out.push_back(reports::PrintLine().tab(6).text(title));
    int count = 0;
    for (const AccountLine& each : lines) {
        if (each.cleared != cleared) {
            continue;
        }
        out.push_back(reports::PrintLine()
                          .tab(8)
                          .text(journal::shownDate(each.date))
                          .tab(20)
                          .text(each.description.left(36))
                          .rightAligned(kAmountsEnd, formatCurrency(each.amount)));
        ++count;
    }
    if (count == 0) {
        out.push_back(reports::PrintLine().tab(8).text(QStringLiteral("(none)")));
    }
    out.emplace_back();
}

} // namespace

std::vector<reports::PrintLine> reconciliationReport(const ReconciliationFigures& f) {
    std::vector<reports::PrintLine> out;
    out.push_back(reports::PrintLine().centred(kWidth, f.company));
    out.push_back(reports::PrintLine().centred(kWidth, QStringLiteral("Bank Reconciliation")));
    out.push_back(reports::PrintLine().centred(
        kWidth,
        QStringLiteral("%1, statement of %2").arg(f.account, journal::shownDate(f.statementDate))));
    out.emplace_back();
    out.push_back(figure(QStringLiteral("Balance at the last reconciliation"), f.openingBalance));
    out.push_back(figure(QStringLiteral("Cleared balance"), f.clearedBalance));
    out.push_back(figure(QStringLiteral("Statement ending balance"), f.endingBalance));
    out.push_back(figure(QStringLiteral("Difference"), f.difference));
    out.emplace_back();
    listLines(out, f.lines, true, QStringLiteral("Cleared lines"));
    listLines(out, f.lines, false, QStringLiteral("Outstanding lines"));
    return out;
}

} // namespace folio::bank
