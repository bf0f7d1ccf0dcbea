#include "statements/income_statement_tab.h"

IncomeStatementTab::IncomeStatementTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("IncomeStatementTab"));
}

void IncomeStatementTab::enter() {}
