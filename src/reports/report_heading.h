#pragma once
#include <QString>

namespace folio::reports {

// The heading texts every printed report starts with.
struct ReportHeading {
    QString company;
    QString date;
};

} // namespace folio::reports
