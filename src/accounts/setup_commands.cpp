#include "accounts/setup_tab.h"

// The setup tab's commands: New, Next, Previous, Search, Delete, the current-balance box
// and the two lists.

void SetupTab::cmdNew_Click() {}

void SetupTab::cmdNext_Click() {}

void SetupTab::cmdPrevious_Click() {}

void SetupTab::cmdSearch_Click() {}

void SetupTab::cmdDelete_Click() {}

void SetupTab::txtCurrentBalance_LostFocus() {}

void SetupTab::lstAcctType_Click() {}

void SetupTab::lstAcctName_Click() {}
