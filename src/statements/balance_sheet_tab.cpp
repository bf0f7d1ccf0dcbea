#include "statements/balance_sheet_tab.h"

BalanceSheetTab::BalanceSheetTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("BalanceSheetTab"));
}

void BalanceSheetTab::enter() {}
