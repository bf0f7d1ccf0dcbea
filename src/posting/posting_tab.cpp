#include "posting/posting_tab.h"

PostingTab::PostingTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("PostingTab"));
}

void PostingTab::enter() {}
