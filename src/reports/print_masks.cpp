#include "reports/print_masks.h"
#include <cstdint>

namespace folio::reports {

namespace {

// The digits of an amount in cents with separators: integer part (empty when zero) and
// the two decimals.
struct MaskDigits {
    bool negative;
    QString whole;
    QString cents;
};

MaskDigits digitsOf(Money amount) {
    const std::int64_t raw = amount.roundedToCents().raw();
    const std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t whole = magnitude / Money::kScale;
    const std::uint64_t cents = (magnitude % Money::kScale) / 100;
    QString digits = whole == 0 ? QString() : QString::number(whole);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, u',');
    }
    return {raw < 0, digits, QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0'))};
}

} // namespace

QString dollarMask(Money amount) {
    const MaskDigits d = digitsOf(amount);
    const QString whole = d.whole.isEmpty() ? QStringLiteral("0") : d.whole;
    return (d.negative ? QStringLiteral("-$") : QStringLiteral("$")) + whole + u'.' + d.cents;
}

QString numberMask(Money amount) {
    const MaskDigits d = digitsOf(amount);
    return (d.negative ? QStringLiteral("-") : QString()) + d.whole + u'.' + d.cents;
}

} // namespace folio::reports
