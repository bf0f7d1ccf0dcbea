#pragma once
#include <QString>
#include <QStringList>

namespace folio {

// The one way Folio writes comma-separated values, for the statements and the journal.

// A field quoted when it holds a comma, a quote or a line break.
QString csvField(const QString& text);
// A text the user typed (a name, a memo, the company), kept from being read as a formula
// by a spreadsheet: one that begins with =, +, -, @, a tab or a carriage return gets a
// leading '.
QString csvText(const QString& text);
// The fields joined by commas, each quoted as it needs (no line ending).
QString csvLine(const QStringList& fields);

} // namespace folio
