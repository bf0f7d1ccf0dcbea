#pragma once

class QTabWidget;

namespace folio::ui {

// Lets only the shown page of a tab widget take updates. Switching pages turns the
// stacked pages' updates off and on again, and Qt visits every widget of every page to do
// it, hidden or not; a hidden page whose updates are already off is passed over, so a
// switch visits the page left and the page shown only.
void keepHiddenPagesQuiet(QTabWidget& tabs);

} // namespace folio::ui
