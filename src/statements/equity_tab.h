#pragma once
#include "ui/tab_page.h"

// The stockholders' equity tab: retained earnings, capital stock and net income.
class EquityTab : public TabPage {
    Q_OBJECT
  public:
    explicit EquityTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;
};
