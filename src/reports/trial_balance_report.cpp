#include "reports/trial_balance_report.h"
#include "data/account_types.h"
#include "data/text_rules.h"
#include "reports/print_masks.h"

namespace folio::reports {

namespace {
constexpr int kWidth = 92;
const QString kRule = QStringLiteral("__________");
} // namespace

std::vector<PrintLine> trialBalanceLayout(const ReportHeading& heading,
                                          const statements::Statements& s) {
    const statements::TrialBalance& totals = s.trial;
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().tab(39).text(QStringLiteral("Trial Balance")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    if (!heading.note.isEmpty()) {
        lines.push_back(PrintLine().centred(kWidth, heading.note));
    }
    lines.emplace_back();
    lines.push_back(PrintLine()
                        .tab(35)
                        .text(QStringLiteral("Current"))
                        .tab(50)
                        .text(QStringLiteral("Current"))
                        .tab(65)
                        .text(QStringLiteral("Year to Date"))
                        .tab(79)
                        .text(QStringLiteral("Year to Date")));
    lines.push_back(PrintLine()
                        .text(QStringLiteral("Account Name"))
                        .tab(35)
                        .text(QStringLiteral("Debit"))
                        .tab(50)
                        .text(QStringLiteral("Credit"))
                        .tab(65)
                        .text(QStringLiteral("Debit"))
                        .tab(79)
                        .text(QStringLiteral("Credit")));
    lines.emplace_back();
    s.forEachListed({}, [&lines](int, const AccountRecord& entry) {
        const BalanceSide side = balanceSide(entry.type);
        if (side == BalanceSide::Neither) {
            return;
        }
        const bool debit = side == BalanceSide::Debit;
        lines.push_back(PrintLine()
                            .text(shortName(entry.name))
                            .tab(debit ? 35 : 50)
                            .text(formatCurrency(entry.current))
                            .tab(debit ? 65 : 79)
                            .text(formatCurrency(entry.ytd)));
    });
    lines.push_back(
        PrintLine().tab(35).text(kRule).tab(50).text(kRule).tab(65).text(kRule).tab(79).text(
            kRule));
    lines.emplace_back();
    lines.push_back(PrintLine()
                        .tab(35)
                        .text(numberMask(totals.debits.current))
                        .tab(50)
                        .text(numberMask(totals.credits.current))
                        .tab(65)
                        .text(numberMask(totals.debits.ytd))
                        .tab(79)
                        .text(numberMask(totals.credits.ytd)));
    return lines;
}

} // namespace folio::reports
