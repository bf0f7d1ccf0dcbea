#pragma once
#include "cashflow/cash_flow_source.h"
#include <QDateTime>
#include <optional>

namespace folio::cashflow {

// The period before the books': the file a closed copy was closed from, as it is now, with
// its statements and cash flows, and whether it was reopened and changed after the closing.
struct PriorPeriod {
    QString path;
    QString closedAt;   // as the closing wrote it
    QDateTime closedOn; // when the closed copy's first entry was recorded
    std::optional<QDateTime> reopened;
    statements::Statements statements;
    CashFlows cashFlows;
};

// The prior period of books that began at `beginning` (of their closed-from entry), with the
// company values kept in its own journal and the ending inventory its closing carried;
// nothing for books never closed. Throws FileError (53: file not found) when the prior books
// cannot be read, and MoneyOverflow.
std::optional<PriorPeriod> priorPeriodOf(const journal::PeriodBeginning& beginning,
                                         const QString& booksPath,
                                         const statements::CompanyInfo& company);

// Where the prior column comes from, for the printout: "Prior period: acme.dat as closed on
// 1/31/2026", and when it was reopened and changed after that.
QString priorSourceText(const PriorPeriod& prior);

} // namespace folio::cashflow
