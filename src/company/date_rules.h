#pragma once
#include <QDate>
#include <QString>
#include <optional>

namespace folio::company {

// Whether a text is a date as US English writes it: 1/5/06, 1/5/2006, 01/05/2006,
// 1-5-2006, 2006-01-05, January 5, 2006, Jan 5, 2006 or 5-Jan-2006. Blanks around the
// text are ignored; a day that the month does not have (2/30/2006, 31/31/06) is no date.
bool isRecognisedDate(const QString& text);
// The date such a text names; empty when it is not one.
std::optional<QDate> recognisedDate(const QString& text);

// The message for a date that is not recognised; it names the forms that are.
QString invalidDateMessage(const QString& text);

} // namespace folio::company
