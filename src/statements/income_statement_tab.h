#pragma once
#include "ui/tab_page.h"

// The income statement tab: merchandising or service, current and year to date.
class IncomeStatementTab : public TabPage {
    Q_OBJECT
  public:
    explicit IncomeStatementTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;
};
