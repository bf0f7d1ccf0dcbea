#pragma once
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include "reports/report_kind.h"
#include "statements/statement_chain.h"
#include <vector>

namespace folio::reports {

// The lines of one copy of a report, from the statements of the books (the statements
// after the trial balance need their inputs: nothing may be missing).
std::vector<PrintLine> reportLayout(Report report, const ReportHeading& heading,
                                    const statements::Statements& s);

// Whether a report sets its own font; the equity statement keeps whatever font the
// printer was left with.
bool reportSetsFont(Report report);

// What the user must enter before a report after the trial balance can be made, as its
// tab says it.
QString missingMessage(Report report, statements::Missing missing);

} // namespace folio::reports
