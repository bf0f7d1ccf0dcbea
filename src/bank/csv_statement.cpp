#include "bank/csv_statement.h"
#include "bank/statement_amount.h"

namespace folio::bank {

namespace {

std::size_t firstDataRow(const CsvLayout& layout) {
    return layout.header ? 1 : 0;
}

QString field(const QString& path, const CsvRow& row, int column, const char* what) {
    if (column >= row.fields.size()) {
        throw StatementError(faultAt(path, row.line,
                                     QStringLiteral("the %1 column (column %2) is missing")
                                         .arg(QLatin1String(what))
                                         .arg(column + 1)));
    }
    return row.fields[column];
}

Money amountIn(const QString& path, const CsvRow& row, const QString& text, const char* what) {
    const auto amount = statementAmount(text);
    if (!amount) {
        throw StatementError(faultAt(
            path, row.line,
            QStringLiteral("the %1 \"%2\" is not a number").arg(QLatin1String(what), text)));
    }
    return *amount;
}

Money amountOf(const QString& path, const CsvRow& row, const CsvLayout& layout) {
    if (layout.amount >= 0) {
        return amountIn(path, row, field(path, row, layout.amount, "amount"), "amount");
    }
    const QString out = field(path, row, layout.debit, "debit");
    const QString in = field(path, row, layout.credit, "credit");
    if (out.isEmpty() == in.isEmpty()) {
        throw StatementError(faultAt(path, row.line,
                                     out.isEmpty()
                                         ? QStringLiteral("neither the debit nor the credit "
                                                          "column holds an amount")
                                         : QStringLiteral("both the debit and the credit "
                                                          "column hold an amount")));
    }
    if (!out.isEmpty()) {
        const Money money = amountIn(path, row, out, "debit");
        return money.isNegative() ? money : -money;
    }
    const Money money = amountIn(path, row, in, "credit");
    return money.isNegative() ? -money : money;
}

} // namespace

QStringList csvDates(const CsvTable& table, const CsvLayout& layout) {
    QStringList dates;
    for (std::size_t i = firstDataRow(layout); i < table.rows.size(); ++i) {
        dates << table.rows[i].fields.value(layout.date);
    }
    return dates;
}

std::vector<StatementLine> csvLines(const QString& path, const CsvTable& table,
                                    const CsvLayout& layout) {
    std::vector<StatementLine> lines;
    lines.reserve(table.rows.size());
    for (std::size_t i = firstDataRow(layout); i < table.rows.size(); ++i) {
        const CsvRow& row = table.rows[i];
        StatementLine line;
        line.sourceLine = row.line;
        const QString date = field(path, row, layout.date, "date");
        line.date = dateIn(date, layout.dates);
        if (!line.date.isValid()) {
            throw StatementError(faultAt(path, row.line,
                                         QStringLiteral("\"%1\" is not a date written %2")
                                             .arg(date, dateOrderName(layout.dates))));
        }
        line.description = field(path, row, layout.description, "description").simplified();
        line.amount = amountOf(path, row, layout);
        if (layout.bankId >= 0) {
            line.bankId = row.fields.value(layout.bankId);
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace folio::bank
