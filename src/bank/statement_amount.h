#pragma once
#include "data/money.h"
#include <QString>
#include <optional>

namespace folio::bank {

// Reads an amount as banks write them in statement files: blanks around it, an optional
// sign or currency sign, thousands commas, up to four decimals, a leading or trailing
// minus or parentheses for money out ("1,234.56", "-12.00", "(12.00)", "$5", "12.00-").
// Empty when the text is anything else or does not fit Money.
std::optional<Money> statementAmount(const QString& text);

} // namespace folio::bank
