#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace folio::bank {

// One row of a CSV file and the line of the file it ends on.
struct CsvRow {
    int line = 0;
    QStringList fields;
};

// The rows of a CSV file as its parser reads them (quoted fields with commas or line
// breaks, doubled quotes, CRLF or LF), a UTF-8 byte order mark dropped, blank rows left
// out. The delimiter is the comma unless the first row has more semicolons or tabs.
struct CsvTable {
    char delimiter = ',';
    std::vector<CsvRow> rows;
};

// Reads the bytes of `path`; throws StatementError naming the file and the line of a
// quote left open or a field that cannot be read.
CsvTable readCsvTable(const QString& path, const QByteArray& bytes);

} // namespace folio::bank
