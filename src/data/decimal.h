#pragma once
#include "data/money.h"
#include <QString>
#include <optional>
#include <string>

namespace folio {

// A decimal number as read from text: a sign, its significant digits and a power of ten,
// so that no amount typed by the user ever passes through a binary fraction.
struct Decimal {
    bool negative = false;
    std::string digits; // no leading zeros; empty means zero
    long exponent = 0;  // value = digits x 10^exponent

    static Decimal fromParts(bool negative, const std::string& intDigits,
                             const std::string& fracDigits, long exponent);

    int sign() const;
    // The value taken to `places` decimals (four at most), halves away from zero, as
    // Money; empty when it does not fit.
    std::optional<Money> toMoney(int places = 4) const;
    // Plain decimal text with at most 15 significant digits: 1250, 12.5, -3, 0.
    QString plainText() const;
};

} // namespace folio
