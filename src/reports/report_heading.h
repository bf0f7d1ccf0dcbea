#pragma once
#include <QString>

namespace folio::reports {

// The heading texts every printed report starts with.
struct ReportHeading {
    QString company;
    QString date;
};

// The first 20 characters of an account name, as the narrow name columns print it.
inline QString shortName(const QString& name) {
    return name.left(20);
}

} // namespace folio::reports
