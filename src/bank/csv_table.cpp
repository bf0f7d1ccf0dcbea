#include "bank/csv_table.h"
#include "bank/statement.h"
#include <csv.h>

namespace folio::bank {

namespace {

struct Reading {
    CsvTable table;
    QStringList fields;
    int line = 1;
};

void endField(void* text, std::size_t size, void* data) {
    auto* reading = static_cast<Reading*>(data);
    reading->fields << QString::fromUtf8(static_cast<const char*>(text),
                                         static_cast<qsizetype>(size))
                           .trimmed();
}

void endRow(int, void* data) {
    auto* reading = static_cast<Reading*>(data);
    const bool blank = std::all_of(reading->fields.cbegin(), reading->fields.cend(),
                                   [](const QString& field) { return field.isEmpty(); });
    if (!blank) {
        reading->table.rows.push_back({reading->line, reading->fields});
    }
    reading->fields.clear();
}

char delimiterOf(const QByteArray& bytes) {
    const QByteArray first = bytes.left(bytes.indexOf('\n'));
    const auto commas = first.count(',');
    if (first.count(';') > commas && first.count(';') >= first.count('\t')) {
        return ';';
    }
    return first.count('\t') > commas ? '\t' : ',';
}

// csv_parse keeps a parser and frees its buffer when it goes.
class Parser {
  public:
    explicit Parser(char delimiter) {
        csv_init(&parser_, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
    }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;
    ~Parser() { csv_free(&parser_); }
    csv_parser* get() { return &parser_; }

  private:
    csv_parser parser_{};
};

} // namespace

CsvTable readCsvTable(const QString& path, const QByteArray& raw) {
    QByteArray bytes = raw;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    Reading reading;
    reading.table.delimiter = delimiterOf(bytes);
    Parser parser(reading.table.delimiter);
    // Fed a physical line at a time, so a fault and every row are known by their line.
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        end = end < 0 ? bytes.size() : end + 1;
        const auto size = static_cast<std::size_t>(end - at);
        if (csv_parse(parser.get(), bytes.constData() + at, size, endField, endRow, &reading) !=
            size) {
            throw StatementError(
                faultAt(path, reading.line,
                        QStringLiteral("this line is not valid CSV (%1)")
                            .arg(QString::fromLatin1(csv_strerror(csv_error(parser.get()))))));
        }
        at = end;
        if (at < bytes.size()) {
            ++reading.line;
        }
    }
    if (csv_fini(parser.get(), endField, endRow, &reading) != 0) {
        throw StatementError(
            faultAt(path, reading.line, QStringLiteral("a quoted field is not closed")));
    }
    return reading.table;
}

} // namespace folio::bank
