#include "company/company_tab.h"

CompanyTab::CompanyTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("CompanyTab"));
}

void CompanyTab::enter() {}
