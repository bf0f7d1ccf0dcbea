#pragma once
#include "bank/csv_table.h"
#include "bank/date_order.h"
#include <QString>
#include <optional>

namespace folio::bank {

// Which columns of a bank's CSV file hold what (0 the first, -1 none), and how its dates
// are written. Chosen once per bank and kept with the books.
struct CsvLayout {
    int date = -1;
    int description = -1;
    int amount = -1; // money in positive, out negative
    int debit = -1;  // money out (a withdrawal), when the bank gives two columns
    int credit = -1; // money in (a deposit)
    int bankId = -1;
    bool header = true; // the first row names the columns
    DateOrder dates = DateOrder::Unknown;

    // What is missing before the layout can read a file; empty when nothing is.
    QString problem() const;
    // Kept as text: "date=0;description=2;amount=3;...".
    QString toText() const;
    static std::optional<CsvLayout> fromText(const QString& text);
    bool operator==(const CsvLayout&) const = default;
};

// The name Folio keeps a bank's layout under: its header row, or the number of columns
// of a file without one.
QString csvSignature(const CsvTable& table);

// The layout the header row names (Date, Description or Payee, Amount or Debit and
// Credit ...); empty when the first row does not name the columns Folio needs. The date
// order is left Unknown.
std::optional<CsvLayout> layoutFromHeader(const CsvTable& table);

} // namespace folio::bank
