#pragma once
#include "reports/report_heading.h"
#include "reports/report_kind.h"
#include "statements/statement_chain.h"
#include <QString>
#include <functional>

namespace folio::reports {

// A statement as comma-separated values for a spreadsheet: three lines naming the company,
// the statement and its date, a line of column names, then each figure with its label on
// a line of its own, amounts as plain decimals in cents ("-1234.50"). The figures are
// those of the screen and the printout, from the same statements. The trial balance has
// a debit and a credit column for each period; the others a current and a year-to-date
// column.
QString statementCsv(Report report, const ReportHeading& heading, const statements::Statements& s);
// The same handed over a line at a time (each ending in CR LF) as the accounts are read, so
// that a statement of any number of accounts is written without holding it whole.
void writeStatementCsv(Report report, const ReportHeading& heading, const statements::Statements& s,
                       const std::function<void(const QString& line)>& write);

// The statement's title as its CSV file names it ("Balance Sheet").
QString statementTitle(Report report);

// An amount as the CSV writes it: rounded to cents, no sign of currency or grouping.
QString csvAmount(Money amount);

} // namespace folio::reports
