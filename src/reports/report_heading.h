#pragma once
#include <QString>

namespace folio::reports {

// The heading texts every printed report starts with.
struct ReportHeading {
    QString company;
    QString date;
    QString note = QString(); // a line under the date (the books' reopening), or empty
};

// The first 20 characters of an account name, as the narrow name columns print it.
inline QString shortName(const QString& name) {
    return name.left(20);
}

} // namespace folio::reports
