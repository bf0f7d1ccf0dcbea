#pragma once
#include "data/money.h"
#include <QString>

namespace folio::reports {

// The fixed numeric masks of the printed reports (not the locale's currency format).

// Every mask that begins with "$": $1,234.50, $0.00, -$75.00; to whole cents, halves
// away from zero; a value longer than the mask prints all its digits.
QString dollarMask(Money amount);

// The mask "#,###,###.00": 1,234.50, .00 (no integer digit when it is zero), -75.00.
QString numberMask(Money amount);

} // namespace folio::reports
