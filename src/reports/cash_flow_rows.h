#pragma once
#include "statements/cash_flow_statement.h"
#include <vector>

namespace folio::reports {

// One line of a statement as its printout and its CSV list it: a section heading, an
// amount of a section, or a total.
struct StatementRow {
    enum class Kind { Heading, Detail, Total };
    Kind kind = Kind::Detail;
    QString label;
    Money amount;
};

// The lines of the statement of cash flows in their order, indirect method.
std::vector<StatementRow> cashFlowRows(const statements::CashFlowStatement& s);

// The statement of cash flows as a report prints it: its figures and where the period
// began.
struct CashFlowFigures {
    statements::CashFlowStatement statement;
    QString period;
};

} // namespace folio::reports
