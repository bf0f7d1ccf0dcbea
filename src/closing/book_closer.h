#pragma once
#include "ui/tab_page.h"

// The two closing check boxes of the balance sheet tab: each writes a closed copy of the
// accounts file and sends the window back to its state at start.
class BookCloser {
  public:
    explicit BookCloser(TabContext context) : ctx_(context) {}

    void chkMonthly_Click();
    void chkYearly_Click();

  private:
    TabContext ctx_;
};
