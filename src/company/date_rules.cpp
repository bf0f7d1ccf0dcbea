#include "company/date_rules.h"

namespace folio::company {

QString invalidDateMessage(const QString& text) {
    return text + QStringLiteral(" is not a valid date.  Type the date as MM/DD/YYYY (for "
                                 "example 12/31/2026), YYYY-MM-DD or December 31, 2026.");
}

} // namespace folio::company
