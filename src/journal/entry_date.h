#pragma once
#include <QDate>
#include <QString>
#include <optional>

namespace folio::journal {

// A date as the boxes show it: 12/31/2026.
QString shownDate(const QDate& date);
// The message for a date box that does not hold a date, or holds none at all.
QString notADateMessage(const QString& text);

} // namespace folio::journal
