#pragma once
#include "cashflow/cash_flow_source.h"
#include <QDateTime>
#include <functional>
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

// Where books named by the path a closing recorded can be read now. Books on a server name
// the other sets of books of their database that way, each read from a working copy of
// its own; books told apart by their names alone. Empty: the path itself.
using BooksLocator = std::function<QString(const QString& recordedPath)>;

// The prior period of books that began at `beginning` (of their closed-from entry), with the
// company values kept in its own journal and the ending inventory its closing carried;
// nothing for books never closed. Throws FileError (53: file not found) when the prior books
// cannot be read, and MoneyOverflow.
std::optional<PriorPeriod> priorPeriodOf(const journal::PeriodBeginning& beginning,
                                         const QString& booksPath,
                                         const statements::CompanyInfo& company,
                                         const BooksLocator& locate = {});

// Where the prior column comes from, for the printout: "Prior period: acme.dat as closed on
// 1/31/2026", and when it was reopened and changed after that.
QString priorSourceText(const PriorPeriod& prior);

} // namespace folio::cashflow
