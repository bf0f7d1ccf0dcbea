// Reads the leading number of arbitrary text: the money value, when it fits, has the
// number's sign (or is zero after rounding), and its plain text reads back to the same sign.
#include "data/text_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Decimal number = leadingNumber(fuzz::text(data, size));
    const int sign = number.sign();
    fuzz::require(sign >= -1 && sign <= 1);
    if (const auto amount = number.toMoney()) {
        fuzz::require(amount->isZero() || (amount->isNegative() ? sign < 0 : sign > 0));
    }
    const QString plain = number.plainText();
    fuzz::require(!plain.isEmpty());
    fuzz::require(leadingNumber(plain).sign() == sign);
    return 0;
}
