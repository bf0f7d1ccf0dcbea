#pragma once
#include <QString>

namespace folio::company {

// The message for a date that is not recognised; it names the forms that are.
QString invalidDateMessage(const QString& text);

} // namespace folio::company
