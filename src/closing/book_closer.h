#pragma once
#include "closing/closing_rules.h"
#include "ui/tab_page.h"

// The two closing check boxes of the balance sheet tab: each writes a closed copy of the
// accounts file and sends the window back to its state at start. The selected file is
// never written; a closing that cannot finish leaves no partial copy and the tabs as they
// were.
class BookCloser {
  public:
    explicit BookCloser(TabContext context) : ctx_(context) {}

    void chkMonthly_Click();
    void chkYearly_Click();

  private:
    void closeBooks(ClosingKind kind);
    // Reads every record of the selected file; false after a message when it cannot.
    bool readSelected(AccountTable& table);
    ClosingAmounts amountsOnScreen(ClosingKind kind) const;
    void reportMissing(NewBalance amount);

    TabContext ctx_;
};
