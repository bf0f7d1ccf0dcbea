#include "journal/entry_date.h"
#include <QLocale>

namespace folio::journal {

QString shownDate(const QDate& date) {
    return date.toString(QStringLiteral("MM/dd/yyyy"));
}

QString notADateMessage(const QString& text) {
    const QString today = shownDate(QDate::currentDate());
    const QString forms =
        QStringLiteral("Type it as month/day/year, for example %1, or as %2.")
            .arg(today, QLocale(QLocale::English, QLocale::UnitedStates)
                            .toString(QDate::currentDate(), QStringLiteral("MMMM d, yyyy")));
    if (text.trimmed().isEmpty()) {
        return QStringLiteral("The date is empty. ") + forms;
    }
    return QStringLiteral("\"%1\" is not a date. ").arg(text.trimmed()) + forms;
}

} // namespace folio::journal
