#pragma once
#include "data/money.h"

namespace folio {

// A figure for the current period and for the year to date: the pair every balance,
// total and statement line of the books comes in.
struct Amounts {
    Money current;
    Money ytd;

    Amounts operator+(const Amounts& other) const {
        return {current + other.current, ytd + other.ytd};
    }
    Amounts operator-(const Amounts& other) const {
        return {current - other.current, ytd - other.ytd};
    }
    Amounts operator-() const { return {-current, -ytd}; }
    Amounts& operator+=(const Amounts& other) { return *this = *this + other; }
    Amounts& operator-=(const Amounts& other) { return *this = *this - other; }
    bool isZero() const { return current.isZero() && ytd.isZero(); }
    bool operator==(const Amounts&) const = default;

    // The same amount in both columns.
    static Amounts both(Money amount) { return {amount, amount}; }
};

} // namespace folio
