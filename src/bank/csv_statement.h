#pragma once
#include "bank/csv_layout.h"
#include "bank/statement.h"

namespace folio::bank {

// The texts of the date column, for finding how the dates are written.
QStringList csvDates(const CsvTable& table, const CsvLayout& layout);

// The statement lines the rows hold under the layout (its date order known). Throws
// StatementError naming the file, the line and what is wrong: a missing column, a date
// or an amount that is not one, debit and credit both filled.
std::vector<StatementLine> csvLines(const QString& path, const CsvTable& table,
                                    const CsvLayout& layout);

} // namespace folio::bank
