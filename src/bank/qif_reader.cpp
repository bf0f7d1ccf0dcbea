#include "bank/qif_reader.h"
#include "bank/statement_amount.h"

namespace folio::bank {

QString qifDateText(const QString& written) {
    QString text = written.trimmed();
    text.replace(u'\'', u'/');
    text.remove(u' ');
    return text;
}

std::vector<QifTransaction> readQif(const QString& path, const QByteArray& raw) {
    QString text = QString::fromUtf8(raw);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    const QStringList lines = text.split(u'\n');
    std::vector<QifTransaction> found;
    QifTransaction current;
    bool amount = false;
    bool anyType = false;
    QString memo;
    int startLine = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const QChar code = line.front();
        const QString value = line.mid(1).trimmed();
        if (code == u'!') {
            anyType = anyType || line.startsWith(QLatin1String("!Type:"), Qt::CaseInsensitive);
            continue;
        }
        if (startLine == 0) {
            startLine = number;
        }
        if (code == u'^') {
            if (current.date.isEmpty() || !amount) {
                throw StatementError(
                    faultAt(path, startLine,
                            QStringLiteral("the transaction has no %1")
                                .arg(current.date.isEmpty() ? QStringLiteral("date")
                                                            : QStringLiteral("amount"))));
            }
            if (current.line.description.isEmpty()) {
                current.line.description = memo;
            }
            found.push_back(current);
            current = {};
            amount = false;
            memo.clear();
            startLine = 0;
        } else if (code == u'D') {
            current.date = value;
            current.line.sourceLine = number;
        } else if (code == u'T' || code == u'U') {
            const auto money = statementAmount(value);
            if (!money) {
                throw StatementError(faultAt(
                    path, number, QStringLiteral("the amount \"%1\" is not a number").arg(value)));
            }
            current.line.amount = *money;
            amount = true;
        } else if (code == u'P') {
            current.line.description = value.simplified();
        } else if (code == u'M') {
            memo = value.simplified();
        }
    }
    if (!anyType) {
        throw StatementError(
            faultAt(path, 1, QStringLiteral("this is not a QIF file (no !Type: line)")));
    }
    return found;
}

} // namespace folio::bank
