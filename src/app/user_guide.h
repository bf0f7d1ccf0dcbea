#pragma once
#include <QString>

namespace folio::app {

// The texts of the Help menu, as rich text: the short user guide, the keyboard shortcuts
// and what About tells.
QString userGuideText();
QString shortcutsText();
QString aboutText();

} // namespace folio::app
