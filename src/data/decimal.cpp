#include "data/decimal.h"
#include <algorithm>
#include <cstdint>
#include <limits>

namespace folio {

namespace {

constexpr long kExponentLimit = 1000000;

void stripZeros(Decimal& d) {
    const auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        d.digits.clear();
        d.exponent = 0;
        d.negative = false;
        return;
    }
    d.digits.erase(0, first);
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
}

// Keeps `keep` leading digits, rounding the rest away: halves away from zero.
void roundToDigits(Decimal& d, long keep) {
    const long size = static_cast<long>(d.digits.size());
    if (keep >= size) {
        return;
    }
    if (keep < 0) {
        d.digits.clear();
        stripZeros(d);
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.exponent += size - keep;
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    stripZeros(d);
}

} // namespace

Decimal Decimal::fromParts(bool negative, const std::string& intDigits,
                           const std::string& fracDigits, long exponent) {
    Decimal d;
    d.negative = negative;
    d.digits = intDigits + fracDigits;
    d.exponent = std::clamp(exponent, -kExponentLimit, kExponentLimit) -
                 static_cast<long>(fracDigits.size());
    stripZeros(d);
    return d;
}

int Decimal::sign() const {
    if (digits.empty()) {
        return 0;
    }
    return negative ? -1 : 1;
}

std::optional<Money> Decimal::toMoney(int places) const {
    Decimal d = *this;
    // Ten-thousandths: keep the digits down to the fourth decimal place.
    roundToDigits(d, static_cast<long>(d.digits.size()) + d.exponent + std::min(places, 4));
    if (d.digits.empty()) {
        return Money();
    }
    const long scaleShift = d.exponent + 4;
    if (static_cast<long>(d.digits.size()) + scaleShift > 19) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    for (char c : d.digits) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    }
    for (long i = 0; i < scaleShift; ++i) {
        if (magnitude > std::numeric_limits<std::uint64_t>::max() / 10) {
            return std::nullopt;
        }
        magnitude *= 10;
    }
    const auto limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (d.negative) {
        if (magnitude > limit + 1) {
            return std::nullopt;
        }
        return Money::fromRaw(static_cast<std::int64_t>(0 - magnitude));
    }
    if (magnitude > limit) {
        return std::nullopt;
    }
    return Money::fromRaw(static_cast<std::int64_t>(magnitude));
}

QString Decimal::plainText() const {
    Decimal d = *this;
    roundToDigits(d, 15);
    if (d.digits.empty()) {
        return QStringLiteral("0");
    }
    const long size = static_cast<long>(d.digits.size());
    const long pointAt = size + d.exponent; // digits before the decimal point
    // Written left to right with appends only.
    std::string text = d.negative ? "-" : "";
    if (pointAt > 15 || pointAt < -4) {
        text += d.digits.front();
        if (size > 1) {
            text += '.';
            text.append(d.digits, 1);
        }
        const long e = pointAt - 1;
        text += e < 0 ? "E-" : "E+";
        const std::string expDigits = std::to_string(e < 0 ? -e : e);
        if (expDigits.size() < 2) {
            text += '0';
        }
        text += expDigits;
    } else if (pointAt <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-pointAt), '0');
        text += d.digits;
    } else if (pointAt >= size) {
        text += d.digits;
        text.append(static_cast<std::size_t>(pointAt - size), '0');
    } else {
        text.append(d.digits, 0, static_cast<std::size_t>(pointAt));
        text += '.';
        text.append(d.digits, static_cast<std::size_t>(pointAt));
    }
    return QString::fromStdString(text);
}

} // namespace folio
