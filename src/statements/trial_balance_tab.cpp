#include "statements/trial_balance_tab.h"

TrialBalanceTab::TrialBalanceTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("TrialBalanceTab"));
}

void TrialBalanceTab::enter() {}
