#include "journal/company_values.h"

namespace folio::journal {

namespace {
const QString kMerchandising = QStringLiteral("Mdse");
const QString kService = QStringLiteral("Service");
} // namespace

CompanyValues companyValuesOf(const statements::CompanyInfo& company) {
    QString business;
    if (company.business == statements::Business::Merchandising) {
        business = kMerchandising;
    } else if (company.business == statements::Business::Service) {
        business = kService;
    }
    return {company.name, company.date, business};
}

void fillIn(statements::CompanyInfo& company, const CompanyValues& kept) {
    if (!kept.name.isEmpty()) {
        company.name = kept.name;
    }
    if (!kept.statementsDate.isEmpty()) {
        company.date = kept.statementsDate;
    }
    if (kept.businessType == kMerchandising) {
        company.business = statements::Business::Merchandising;
    } else if (kept.businessType == kService) {
        company.business = statements::Business::Service;
    }
}

} // namespace folio::journal
