#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace folio::bank {

// How a bank writes its dates: the order of day, month and year. The separator (/, -, .)
// and leading zeros do not matter; a two-digit year is in 2000-2099; eight digits in a
// row (20260304) are year, month and day.
enum class DateOrder { Unknown, MonthDayYear, DayMonthYear, YearMonthDay };

QString dateOrderName(DateOrder order); // "MM/DD/YYYY" ...
DateOrder dateOrderFromName(const QString& name);

// The date a text holds in the given order; invalid when it holds none.
QDate dateIn(const QString& text, DateOrder order);

// What the dates of a file say about their order.
struct DateOrderFinding {
    DateOrder order = DateOrder::Unknown;
    bool ambiguous = false; // every date reads both as month/day and as day/month
    QString sample;         // a date that shows it (03/04/2026)
};

// Finds the order that reads every date; a file whose dates read both ways (every day
// 12 or less) is ambiguous: the user is asked, never a guess.
DateOrderFinding findDateOrder(const QStringList& dates);

} // namespace folio::bank
