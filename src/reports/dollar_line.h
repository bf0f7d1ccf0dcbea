#pragma once
#include "reports/amounts.h"
#include "reports/print_line.h"

// A line of a name and its two amounts with a "$" mask, at the given print columns.
PrintLine dollarLine(const QString& name, int first, int second, const Amounts& amounts);
