// Reads arbitrary text as an amount: what is read shows in the currency format and that
// text reads back to the amount taken to whole cents.
#include "data/text_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::text(data, size);
    const auto amount = parseAmount(text);
    if (!amount) {
        return 0;
    }
    Money cents;
    try {
        cents = amount->roundedToCents();
    } catch (const MoneyOverflow&) {
        return 0; // within a cent of the end of the range
    }
    const auto back = parseAmount(formatCurrency(*amount));
    fuzz::require(back.has_value() && *back == cents);
    return 0;
}
