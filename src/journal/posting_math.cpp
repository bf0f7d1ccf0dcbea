#include "journal/posting_math.h"

namespace folio::journal {

Totals totalsOf(const std::vector<AmountLine>& lines) {
    Totals totals;
    for (const AmountLine& line : lines) {
        totals.debits += line.debit.roundedToCents();
        totals.credits += line.credit.roundedToCents();
    }
    return totals;
}

std::optional<QString> balanceProblem(const std::vector<AmountLine>& lines) {
    if (lines.size() < 2) {
        return QStringLiteral("A balanced entry needs two lines or more.");
    }
    for (const AmountLine& line : lines) {
        if (line.debit.isNegative() || line.credit.isNegative()) {
            return QStringLiteral("Enter amounts as positive numbers.");
        }
        if (line.debit.roundedToCents().isZero() == line.credit.roundedToCents().isZero()) {
            return QStringLiteral("Each line needs a debit or a credit, not both.");
        }
    }
    try {
        const Totals totals = totalsOf(lines);
        if (totals.debits != totals.credits) {
            return QStringLiteral("The debits do not equal the credits.");
        }
    } catch (const MoneyOverflow&) {
        return QStringLiteral("The amount is too large to post.");
    }
    return std::nullopt;
}

} // namespace folio::journal
