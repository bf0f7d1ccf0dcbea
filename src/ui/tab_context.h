#pragma once
#include "session/books_session.h"
#include "ui/tabs.h"
#include <QString>

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

// What every tab page works with: the books session (through which every change of the
// books goes), its books and company information, the dialogs and the window. The window
// owns them all.
struct TabContext {
    session::BooksSession& session;
    Dialogs& dialogs;
    MainWindowPort& window;
    Books& books = session.books();
    statements::CompanyInfo& company = session.company();
};

} // namespace folio::ui
