// Reads arbitrary text as an amount: what is read shows in the currency format and that
// text reads back to the same amount.
#include "data/text_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::text(data, size);
    const auto amount = parseAmount(text);
    if (!amount) {
        return 0;
    }
    fuzz::require(amount->roundedToCents() == *amount); // typed amounts are whole cents
    const auto back = parseAmount(formatCurrency(*amount));
    fuzz::require(back.has_value() && *back == *amount);
    return 0;
}
