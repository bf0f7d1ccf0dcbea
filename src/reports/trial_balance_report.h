#pragma once
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include "statements/statement_chain.h"
#include <vector>

namespace folio::reports {

// The lines of one copy of the trial balance.
std::vector<PrintLine> trialBalanceLayout(const ReportHeading& heading,
                                          const statements::Statements& statements);

} // namespace folio::reports
