#include "company/date_rules.h"
#include <QDate>
#include <QLocale>

namespace folio::company {

bool isRecognisedDate(const QString& text) {
    static const char* const formats[] = {
        "M/d/yy",       "M/d/yyyy",    "M-d-yy",      "M-d-yyyy",   "yyyy-M-d",
        "MMMM d, yyyy", "MMM d, yyyy", "MMMM d yyyy", "MMM d yyyy", "d-MMM-yyyy",
        "d-MMM-yy",     "d MMMM yyyy", "d MMM yyyy",
    };
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return false;
    }
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    for (const char* format : formats) {
        if (us.toDate(trimmed, QString::fromLatin1(format)).isValid()) {
            return true;
        }
    }
    return false;
}

QString invalidDateMessage(const QString& text) {
    return text + QStringLiteral(" is not a valid date.  Type the date as MM/DD/YYYY (for "
                                 "example 12/31/2026), YYYY-MM-DD or December 31, 2026.");
}

} // namespace folio::company
