#pragma once
#include <QDate>
#include <QString>
#include <optional>

namespace folio::journal {

// A date typed for an entry or a filter: month/day/year (12/31/2026, 1/5/2026) or
// year-month-day (2026-12-31), blanks around it ignored; empty when it is not a date.
std::optional<QDate> typedDate(const QString& text);
// A date as the boxes show it: 12/31/2026.
QString shownDate(const QDate& date);
// The message for a date box that does not hold a date.
QString notADateMessage(const QString& text);

} // namespace folio::journal
