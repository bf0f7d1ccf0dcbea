#pragma once
#include "data/amounts.h"
#include "reports/print_line.h"

namespace folio::reports {

// A line of a name and its two amounts with a "$" mask, at the given print columns.
PrintLine dollarLine(const QString& name, int first, int second, const Amounts& amounts);

} // namespace folio::reports
