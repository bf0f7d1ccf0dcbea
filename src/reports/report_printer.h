#pragma once
#include "ui/tab_page.h"

// The four Print buttons: each statement computed again from the accounts file and laid
// out on the page printer.
class ReportPrinter {
  public:
    explicit ReportPrinter(TabContext context) : ctx_(context) {}

    void cmdPrint_Click();
    void cmdIsPrint_Click();
    void cmdCapitalPrint_Click();
    void cmdPrintBs_Click();

  private:
    TabContext ctx_;
};
