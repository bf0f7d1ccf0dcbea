#pragma once
#include "ui/tab_page.h"

// The trial balance tab: every account and the four debit and credit totals.
class TrialBalanceTab : public TabPage {
    Q_OBJECT
  public:
    explicit TrialBalanceTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;
};
