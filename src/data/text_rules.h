#pragma once
#include "data/money.h"
#include <QString>
#include <optional>

namespace folio {

// An amount in the US English currency format: $1,234.56, or ($1,234.56) when negative.
// The amount is shown to whole cents, halves away from zero.
QString formatCurrency(Money amount);

// Reads a whole text as an amount, as US bookkeepers write one: blanks around it, an
// optional dollar sign, thousands separators in groups of three, at most two decimals, a
// leading minus or parentheses for a negative amount (1500, 1,500, 1500.5, $1,500.00,
// -1500, (1,500.00)). Empty when the text is anything else or does not fit Money.
std::optional<Money> parseAmount(const QString& text);

} // namespace folio
