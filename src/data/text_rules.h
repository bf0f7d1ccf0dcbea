#pragma once
#include "data/decimal.h"
#include "data/money.h"
#include <QString>
#include <optional>

// The leading number of a text, as typed amounts are read: blanks, tabs and line feeds
// are ignored wherever they stand; an optional sign, digits with at most one period, an
// optional exponent (E or D); reading stops at the first other character; no number is 0.
Decimal leadingNumber(const QString& text);

// An amount in the US English currency format: $1,234.56, or ($1,234.56) when negative.
// The amount is shown to whole cents, halves away from zero.
QString formatCurrency(Money amount);

// Reads a whole text as an amount by the US English number rules: blanks around it, a
// currency sign, thousands separators, a leading or trailing minus and parentheses for a
// negative amount, an exponent. Empty when the text is not an amount or does not fit.
// `places` is the number of decimals the amount is taken to (halves away from zero).
std::optional<Money> parseAmount(const QString& text, int places = 4);
