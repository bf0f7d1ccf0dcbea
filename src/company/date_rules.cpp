#include "company/date_rules.h"
#include <QDate>
#include <QLocale>

namespace folio::company {

bool isRecognisedDate(const QString& text) {
    return recognisedDate(text).has_value();
}

std::optional<QDate> recognisedDate(const QString& text) {
    static const char* const formats[] = {
        "M/d/yy",       "M/d/yyyy",    "M-d-yy",      "M-d-yyyy",   "yyyy-M-d",
        "MMMM d, yyyy", "MMM d, yyyy", "MMMM d yyyy", "MMM d yyyy", "d-MMM-yyyy",
        "d-MMM-yy",     "d MMMM yyyy", "d MMM yyyy",
    };
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    for (const char* format : formats) {
        QDate date = us.toDate(trimmed, QString::fromLatin1(format));
        if (date.isValid()) {
            if (QString::fromLatin1(format).endsWith(QLatin1String("yy")) &&
                !QString::fromLatin1(format).endsWith(QLatin1String("yyyy"))) {
                date = date.addYears(100 * ((date.year() < 1950) ? 1 : 0));
            }
            return date;
        }
    }
    return std::nullopt;
}

QString invalidDateMessage(const QString& text) {
    return text + QStringLiteral(" is not a valid date.  Type the date as MM/DD/YYYY (for "
                                 "example 12/31/2026), YYYY-MM-DD or December 31, 2026.");
}

} // namespace folio::company
