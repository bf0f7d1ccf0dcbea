#include "bank/statement_reader.h"
#include "bank/csv_statement.h"
#include "bank/ofx_reader.h"
#include "bank/qif_reader.h"
#include <QFile>

namespace folio::bank {

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw StatementError(faultAt(path, 0, QStringLiteral("the file cannot be read")));
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty() || bytes == "\xEF\xBB\xBF") {
        throw StatementError(faultAt(path, 0, QStringLiteral("the file is empty")));
    }
    if (bytes.contains('\0')) {
        throw StatementError(faultAt(path, 0, QStringLiteral("this is not a bank statement")));
    }
    return bytes;
}

bool isOfx(const QByteArray& bytes) {
    const QByteArray head = bytes.left(4096).toUpper();
    return head.contains("OFXHEADER") || head.contains("<OFX>");
}

bool isQif(const QByteArray& bytes) {
    const QByteArray head = bytes.left(512).trimmed();
    return head.startsWith("!Type:") || head.startsWith("\xEF\xBB\xBF!Type:") ||
           head.startsWith("!Account") || head.startsWith("!Option");
}

QString dateQuestion(const QString& path, const QString& sample) {
    return QStringLiteral("The dates in %1 can be read as month/day or as day/month (%2). "
                          "How does this bank write its dates?")
        .arg(path.section(u'/', -1), sample);
}

// The order every date reads in, or the question; throws at the first date that reads
// in no order.
std::optional<DateOrder> orderOf(const QString& path, const QStringList& dates,
                                 const std::vector<int>& lines, DateOrder chosen,
                                 StatementReading& reading) {
    if (chosen != DateOrder::Unknown) {
        return chosen;
    }
    const DateOrderFinding finding = findDateOrder(dates);
    if (finding.ambiguous) {
        reading.need = StatementReading::Need::DateOrder;
        reading.question = dateQuestion(path, finding.sample);
        return std::nullopt;
    }
    if (finding.order == DateOrder::Unknown) {
        for (qsizetype i = 0; i < dates.size(); ++i) {
            if (!findDateOrder({dates[i]}).ambiguous &&
                findDateOrder({dates[i]}).order == DateOrder::Unknown) {
                throw StatementError(faultAt(path, lines[static_cast<std::size_t>(i)],
                                             QStringLiteral("\"%1\" is not a date").arg(dates[i])));
            }
        }
        throw StatementError(faultAt(path, 0, QStringLiteral("the dates are not written one way")));
    }
    return finding.order;
}

StatementReading readQifStatement(const QString& path, const QByteArray& bytes,
                                  const ReadChoices& choices) {
    StatementReading reading;
    const std::vector<QifTransaction> found = readQif(path, bytes);
    QStringList dates;
    std::vector<int> lines;
    for (const QifTransaction& each : found) {
        dates << qifDateText(each.date);
        lines.push_back(each.line.sourceLine);
    }
    const auto order = orderOf(path, dates, lines, choices.dates, reading);
    if (!order) {
        return reading;
    }
    reading.statement.format = QStringLiteral("QIF");
    for (const QifTransaction& each : found) {
        StatementLine line = each.line;
        line.date = dateIn(qifDateText(each.date), *order);
        if (!line.date.isValid()) {
            throw StatementError(faultAt(path, line.sourceLine,
                                         QStringLiteral("\"%1\" is not a date").arg(each.date)));
        }
        reading.statement.lines.push_back(line);
    }
    return reading;
}

StatementReading readCsvStatement(const QString& path, const QByteArray& bytes,
                                  const ReadChoices& choices) {
    const CsvTable table = readCsvTable(path, bytes);
    StatementReading reading;
    reading.signature = csvSignature(table);
    reading.firstRow = table.rows.empty() ? QStringList() : table.rows.front().fields;
    const std::optional<CsvLayout> layout =
        choices.layout ? choices.layout : layoutFromHeader(table);
    if (!layout) {
        reading.need = StatementReading::Need::Columns;
        reading.question = QStringLiteral("Choose which columns of %1 hold the date, the "
                                          "description and the amount.")
                               .arg(path.section(u'/', -1));
        return reading;
    }
    reading.layout = *layout;
    const QStringList dates = csvDates(table, *layout);
    std::vector<int> lines;
    for (std::size_t i = layout->header ? 1 : 0; i < table.rows.size(); ++i) {
        lines.push_back(table.rows[i].line);
    }
    const auto order =
        orderOf(path, dates, lines,
                choices.dates != DateOrder::Unknown ? choices.dates : layout->dates, reading);
    if (!order) {
        return reading;
    }
    reading.layout.dates = *order;
    reading.statement.format = QStringLiteral("CSV");
    reading.statement.lines = csvLines(path, table, reading.layout);
    return reading;
}

} // namespace

StatementReading readStatement(const QString& path, const ReadChoices& choices) {
    const QByteArray bytes = bytesOf(path);
    StatementReading reading;
    if (isOfx(bytes)) {
        reading.statement.format = path.endsWith(QLatin1String(".qfx"), Qt::CaseInsensitive) ||
                                           bytes.contains("<INTU.BID>")
                                       ? QStringLiteral("QFX")
                                       : QStringLiteral("OFX");
        reading.statement.lines = readOfx(path);
    } else if (isQif(bytes)) {
        reading = readQifStatement(path, bytes, choices);
    } else {
        reading = readCsvStatement(path, bytes, choices);
    }
    reading.statement.path = path;
    return reading;
}

} // namespace folio::bank
