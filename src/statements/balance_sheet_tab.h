#pragma once
#include "ui/tab_page.h"

// The balance sheet tab: assets, liabilities, equity and the two closing check boxes.
class BalanceSheetTab : public TabPage {
    Q_OBJECT
  public:
    explicit BalanceSheetTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;
};
