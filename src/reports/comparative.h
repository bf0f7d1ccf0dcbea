#pragma once
#include "reports/cash_flow_rows.h"
#include "reports/print_line.h"
#include "reports/report_heading.h"
#include "reports/report_kind.h"
#include "statements/statement_chain.h"
#include <optional>
#include <vector>

namespace folio::reports {

// The current figures of a statement, one row each, in the order of its CSV file.
std::vector<StatementRow> statementRows(Report report, const statements::Statements& s);

// A statement beside the prior period: each row of either period, matched by its words.
struct ComparativeRow {
    StatementRow::Kind kind = StatementRow::Kind::Detail;
    QString label;
    Money current;
    Money prior;
    Money change() const { return current - prior; }
};
std::vector<ComparativeRow> compareRows(const std::vector<StatementRow>& now,
                                        const std::vector<StatementRow>& prior);

// The change as a percent of the prior figure to one decimal ("12.5%"); blank where the
// prior figure is zero.
QString changePercent(Money current, Money prior);

// A comparative statement as printed and as CSV: the heading, where the prior column comes
// from (which file, closed when, reopened or not), then the rows with their changes.
struct Comparative {
    QString title;
    QString source;
    std::vector<ComparativeRow> rows;
};
std::vector<PrintLine> comparativeLayout(const ReportHeading& heading, const Comparative& c);
QString comparativeCsv(const ReportHeading& heading, const Comparative& c);

} // namespace folio::reports
