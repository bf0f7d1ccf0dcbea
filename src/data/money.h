#pragma once
#include <cstdint>
#include <stdexcept>

namespace folio {

// Raised when an amount leaves the range that Money can hold; never a wrapped value.
class MoneyOverflow : public std::overflow_error {
  public:
    MoneyOverflow() : std::overflow_error("amount too large") {}
};

// An exact amount of money: a signed count of ten-thousandths of a dollar.
// Every sum and difference is checked; an overflow throws MoneyOverflow.
class Money {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t raw) {
        Money m;
        m.raw_ = raw;
        return m;
    }
    static Money fromWhole(std::int64_t dollars);

    constexpr std::int64_t raw() const { return raw_; }
    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }

    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }

    // The amount taken to whole cents, halves away from zero.
    Money roundedToCents() const;

    constexpr bool operator==(const Money& other) const { return raw_ == other.raw_; }
    constexpr bool operator!=(const Money& other) const { return raw_ != other.raw_; }
    constexpr bool operator<(const Money& other) const { return raw_ < other.raw_; }
    constexpr bool operator>(const Money& other) const { return raw_ > other.raw_; }
    constexpr bool operator<=(const Money& other) const { return raw_ <= other.raw_; }
    constexpr bool operator>=(const Money& other) const { return raw_ >= other.raw_; }

  private:
    std::int64_t raw_ = 0;
};

} // namespace folio
