#include "statements/equity_tab.h"

EquityTab::EquityTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("EquityTab"));
}

void EquityTab::enter() {}
