#pragma once
#include "ui/tab_page.h"

// The posting tab: the grid of accounts and the posting of a debit or credit.
class PostingTab : public TabPage {
    Q_OBJECT
  public:
    explicit PostingTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;
};
