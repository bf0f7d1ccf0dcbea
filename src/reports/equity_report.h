#pragma once
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include "statements/statement_chain.h"
#include <vector>

namespace folio::reports {

// The lines of one copy of the statement of stockholders' equity.
std::vector<PrintLine> equityLayout(const ReportHeading& heading,
                                    const statements::EquityStatement& figures);

} // namespace folio::reports
