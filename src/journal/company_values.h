#pragma once
#include "statements/company_info.h"
#include <QString>

namespace folio::journal {

// The company values kept with the books between sessions: the name, the date of the
// statements and the type of business (the ending inventory is asked each period).
struct CompanyValues {
    QString name;
    QString statementsDate;
    QString businessType; // "Mdse", "Service" or empty
};

CompanyValues companyValuesOf(const statements::CompanyInfo& company);
// Fills in what was kept; a value never kept leaves the company's own alone.
void fillIn(statements::CompanyInfo& company, const CompanyValues& kept);

} // namespace folio::journal
