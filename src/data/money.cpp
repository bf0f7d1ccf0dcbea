#include "data/money.h"

namespace folio {

Money Money::fromWhole(std::int64_t dollars) {
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(dollars, kScale, &raw)) {
        throw MoneyOverflow();
    }
    return fromRaw(raw);
}

Money Money::operator+(Money other) const {
    std::int64_t raw = 0;
    if (__builtin_add_overflow(raw_, other.raw_, &raw)) {
        throw MoneyOverflow();
    }
    return fromRaw(raw);
}

Money Money::operator-(Money other) const {
    std::int64_t raw = 0;
    if (__builtin_sub_overflow(raw_, other.raw_, &raw)) {
        throw MoneyOverflow();
    }
    return fromRaw(raw);
}

Money Money::operator-() const {
    return Money() - *this;
}

Money Money::roundedToCents() const {
    constexpr std::int64_t cent = kScale / 100;
    const std::int64_t rest = raw_ % cent;
    std::int64_t down = raw_ - rest;
    if (rest >= cent / 2) {
        return Money::fromRaw(down) + Money::fromRaw(cent);
    }
    if (rest <= -cent / 2) {
        return Money::fromRaw(down) - Money::fromRaw(cent);
    }
    return Money::fromRaw(down);
}

} // namespace folio
