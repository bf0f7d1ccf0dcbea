#include "journal/entry_date.h"

namespace folio::journal {

std::optional<QDate> typedDate(const QString& text) {
    const QString plain = text.trimmed();
    for (const char* format : {"M/d/yyyy", "yyyy-MM-dd"}) {
        const QDate date = QDate::fromString(plain, QString::fromLatin1(format));
        if (date.isValid()) {
            return date;
        }
    }
    return std::nullopt;
}

QString shownDate(const QDate& date) {
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

QString notADateMessage(const QString& text) {
    return QStringLiteral("\"%1\" is not a date. Type it as month/day/year, for example %2.")
        .arg(text.trimmed(), shownDate(QDate::currentDate()));
}

} // namespace folio::journal
