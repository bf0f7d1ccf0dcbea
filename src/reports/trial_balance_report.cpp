#include "reports/trial_balance_report.h"
#include "data/account_types.h"
#include "data/text_rules.h"
#include "reports/print_masks.h"
#include <array>

namespace folio::reports {

namespace {
constexpr int kWidth = 100;
// The columns the four amounts end in: current debit and credit, year-to-date debit and
// credit. Names up to the longest an account holds print whole before them.
constexpr int kEnds[4] = {58, 72, 86, 100};
const QString kRule = QStringLiteral("__________");

PrintLine fourColumns(PrintLine line, const std::array<QString, 4>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!texts[i].isEmpty()) {
            line.rightAligned(kEnds[i], texts[i]);
        }
    }
    return line;
}
} // namespace

std::vector<PrintLine> trialBalanceLayout(const ReportHeading& heading,
                                          const statements::Statements& s) {
    const statements::TrialBalance& totals = s.trial;
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().centred(kWidth, QStringLiteral("Trial Balance")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    if (!heading.note.isEmpty()) {
        lines.push_back(PrintLine().centred(kWidth, heading.note));
    }
    lines.emplace_back();
    const QString current = QStringLiteral("Current");
    const QString ytd = QStringLiteral("Year to Date");
    const QString debit = QStringLiteral("Debit");
    const QString credit = QStringLiteral("Credit");
    lines.push_back(fourColumns(PrintLine(), {current, current, ytd, ytd}));
    lines.push_back(fourColumns(PrintLine().text(QStringLiteral("Account Name")),
                                {debit, credit, debit, credit}));
    lines.emplace_back();
    s.forEachListed({}, [&lines](int, const AccountRecord& entry) {
        const BalanceSide side = balanceSide(entry.type);
        if (side == BalanceSide::Neither) {
            return;
        }
        const QString now = formatCurrency(entry.current);
        const QString year = formatCurrency(entry.ytd);
        lines.push_back(fourColumns(PrintLine().text(entry.name),
                                    side == BalanceSide::Debit
                                        ? std::array<QString, 4>{{now, {}, year, {}}}
                                        : std::array<QString, 4>{{{}, now, {}, year}}));
    });
    lines.push_back(fourColumns(PrintLine(), {kRule, kRule, kRule, kRule}));
    lines.emplace_back();
    lines.push_back(fourColumns(
        PrintLine(), {numberMask(totals.debits.current), numberMask(totals.credits.current),
                      numberMask(totals.debits.ytd), numberMask(totals.credits.ytd)}));
    return lines;
}

} // namespace folio::reports
