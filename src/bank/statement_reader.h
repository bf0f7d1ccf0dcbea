#pragma once
#include "bank/csv_layout.h"
#include "bank/statement.h"
#include <optional>

namespace folio::bank {

// What the user chose for a file that cannot tell everything itself: the columns of a
// CSV file and how its dates are written.
struct ReadChoices {
    std::optional<CsvLayout> layout;
    DateOrder dates = DateOrder::Unknown;
};

// What reading a statement file gave: its lines, or the question to ask first.
struct StatementReading {
    enum class Need { Nothing, Columns, DateOrder };
    Need need = Need::Nothing;
    QString question;    // the words of the question
    Statement statement; // its lines when nothing is needed
    // CSV: the bank's signature, the first row and the layout used (or proposed).
    QString signature;
    QStringList firstRow;
    CsvLayout layout;
};

// Reads an OFX, QFX, QIF or CSV statement; the format is told from the file's content.
// A CSV file's columns come from the choices or its header row; dates that read both as
// month/day and day/month are asked (Need::DateOrder), never guessed. Throws
// StatementError naming the file, the line and what is wrong.
StatementReading readStatement(const QString& path, const ReadChoices& choices = {});

} // namespace folio::bank
