#pragma once
#include "ui/tabs.h"
#include <QString>

namespace folio {
class Books;
namespace statements {
struct CompanyInfo;
}
namespace journal {
class BooksJournal;
}
} // namespace folio

namespace folio::ui {

class Dialogs;

// What a tab page may ask of the main window that hosts it.
class MainWindowPort {
  public:
    virtual ~MainWindowPort() = default;
    virtual void setCaption(const QString& caption) = 0;
    virtual Tab shownTab() const = 0;
    // Shows a tab once the work in hand has finished (never from inside another tab's
    // entry).
    virtual void showTabLater(Tab tab) = 0;
    // Hides the tabs, as at start, so a file must be selected again.
    virtual void hideTabs() = 0;
};

// What every tab page works with: the selected books, the company information, the
// dialogs, the window and the journal that records each change of the books (none: the
// changes are written straight to the file). The window owns all five.
struct TabContext {
    Books& books;
    statements::CompanyInfo& company;
    Dialogs& dialogs;
    MainWindowPort& window;
    journal::BooksJournal* journal = nullptr;
};

} // namespace folio::ui
