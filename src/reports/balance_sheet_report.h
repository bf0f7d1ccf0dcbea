#pragma once
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include "statements/statement_chain.h"
#include <vector>

namespace folio::reports {

// The lines of one copy of the balance sheet; the inventory line appears only when the
// ending inventory is not zero.
std::vector<PrintLine> balanceSheetLayout(const ReportHeading& heading,
                                          const statements::Statements& statements);

} // namespace folio::reports
