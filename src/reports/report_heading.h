#pragma once
#include <QString>

namespace folio::reports {

// The heading texts every printed report starts with.
struct ReportHeading {
    QString company;
    QString date;
    QString note = QString(); // a line under the date (the books' reopening), or empty
};

} // namespace folio::reports
