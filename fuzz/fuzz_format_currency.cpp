// Formats any money value in the currency format and reads it back: the result is the
// value taken to whole cents, and the text has the shape $1,234.56 or ($1,234.56).
#include "data/text_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const Money amount = fuzz::takeMoney(data, size);
        const QString shown = formatCurrency(amount);
        const bool negative = shown.startsWith(QStringLiteral("($"));
        fuzz::require(negative ? shown.endsWith(u')') : shown.startsWith(u'$'));
        fuzz::require(shown.size() >= 5 && shown.at(shown.size() - (negative ? 4 : 3)) == u'.');
        Money cents;
        try {
            cents = amount.roundedToCents();
        } catch (const MoneyOverflow&) {
            continue;
        }
        fuzz::require(negative == cents.isNegative());
        const auto back = parseAmount(shown);
        fuzz::require(back.has_value() && *back == cents);
    }
    return 0;
}
