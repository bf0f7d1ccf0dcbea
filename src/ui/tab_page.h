#pragma once
#include <QString>
#include <QWidget>

struct BooksState;
class Dialogs;

// What a tab page may ask of the main window that hosts it.
class MainWindowPort {
  public:
    virtual ~MainWindowPort() = default;
    virtual void setCaption(const QString& caption) = 0;
    virtual int shownTab() const = 0;
    // Shows a tab; when the index changes the tab's entry work runs before this returns.
    virtual void showTab(int index) = 0;
    // Hides the tabs and selects tab 2, as at start, so a file must be selected again.
    virtual void hideTabs() = 0;
    // The text of a box anywhere in the window, found by its name (e.g. "txtNI").
    virtual QString boxText(const QString& objectName) const = 0;
};

// What every tab page works with: the books, the dialogs and the window.
struct TabContext {
    BooksState& books;
    Dialogs& dialogs;
    MainWindowPort& window;
};

// One page of the tab control. enter() prepares the page each time it is shown; it may
// throw FileError, which the window reports and retries.
class TabPage : public QWidget {
    Q_OBJECT
  public:
    explicit TabPage(TabContext context, QWidget* parent = nullptr)
        : QWidget(parent), ctx_(context) {}
    virtual void enter() {}

  protected:
    TabContext ctx_;
};
