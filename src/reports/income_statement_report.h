#pragma once
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include "statements/statement_chain.h"
#include <vector>

namespace folio::reports {

// The lines of one copy of each layout.
std::vector<PrintLine> merchandisingLayout(const ReportHeading& heading,
                                           const statements::Statements& statements,
                                           const statements::IncomeStatement& figures);
std::vector<PrintLine> serviceLayout(const ReportHeading& heading,
                                     const statements::Statements& statements,
                                     const statements::IncomeStatement& figures);

} // namespace folio::reports
