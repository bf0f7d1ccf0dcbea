#pragma once
#include "ui/tab_page.h"

// The company information tab: name, date of statements, type of business.
class CompanyTab : public TabPage {
    Q_OBJECT
  public:
    explicit CompanyTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;
};
