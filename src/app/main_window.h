#pragma once
#include "app/journal_menu.h"
#include "closing/book_closer.h"
#include "reports/report_printer.h"
#include "session/books_session.h"
#include "ui/tab_page.h"
#include <QMainWindow>
#include <array>
#include <memory>

class QTabWidget;

namespace folio::cashflow {
class ComparativePanel;
}

namespace folio::ui {
class Dialogs;
}

namespace folio::app {

class DesktopWindow;
class BankMenu;
class ServerWatch;

// The main window: the File menu and the nine tabs. It owns the books and the company
// information for the whole run (in its books session), prepares each tab when it is shown and
// reports what fails there.
class MainWindow : public QMainWindow, public ui::MainWindowPort {
    Q_OBJECT
  public:
    explicit MainWindow(ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    void buildWindowParts();
    void chooseBooksFile();
    // Selects books by their path as File, Select File does after its dialog (the lock,
    // the new-books question, the messages); true when they are selected.
    // A postgresql:// address opens books kept on a server instead.
    bool selectBooks(const QString& path);
    // File, Open Server Books: asks for the address, then opens them.
    void chooseServerBooks();
    // Opens books kept on a PostgreSQL server in place of those selected before; says why
    // not (the server cannot be reached, refuses the login, holds no such books) and keeps
    // the books selected before.
    bool openServerBooks(const QString& address);
    void exitProgram();
    void enterShownTab(int previousTab);

    session::BooksSession& session() { return session_; }
    Books& books() { return session_.books(); }
    statements::CompanyInfo& company() { return session_.company(); }
    reports::ReportPrinter& reports() { return reports_; }
    JournalMenu& journalMenu() { return journalMenu_; }
    BankMenu& bankMenu() { return *bankMenu_; }
    QTabWidget* tabControl() const { return tabs_; }
    ui::TabPage* page(ui::Tab tab) const { return pages_[static_cast<std::size_t>(tab)]; }

    // MainWindowPort
    void setCaption(const QString& caption) override;
    ui::Tab shownTab() const override;
    void showTabLater(ui::Tab tab) override;
    void hideTabs() override;
    // Shows a tab now (its entry runs before this returns).
    void showTab(ui::Tab tab);

  signals:
    // Books were selected (a path as chosen, or a server's address).
    void booksSelected(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildTabs();
    void wireTabs();
    void wireComparative();
    void releaseBooks();
    // Lets the shown tab write what it has not written; false when it could not and the
    // user chose to stay.
    bool keepShownEdits();
    // After a change of the books: the shown tab follows it unless it made it.
    void booksChanged(session::Origin origin);
    bool openChosen(const QString& name, bool newlyChosen);
    // After books are selected: the menus, the tabs and the shown tab follow them.
    void showSelected(const QString& name);

    session::BooksSession session_; // the books, their lock, journal and company values
    ui::Dialogs& dialogs_;
    JournalMenu journalMenu_;      // the Edit and Journal menus
    BankMenu* bankMenu_ = nullptr; // bank statements and reconciliation (owned as a child)
    ui::TabContext context_;
    QTabWidget* tabs_ = nullptr;
    QAction* compare_ = nullptr;                        // File, Compare with Prior Period
    cashflow::ComparativePanel* comparative_ = nullptr; // the shown statement beside the prior
    std::array<ui::TabPage*, ui::kTabCount> pages_{};
    reports::ReportPrinter reports_;
    closing::BookCloser closer_;
    QString dialogFileName_;             // the file-open dialog keeps its last name between uses
    QString lastServerAddress_;          // the server dialog's, likewise
    ServerWatch* serverWatch_ = nullptr; // while server books are open (owned as a child)
    int lastTab_ = ui::indexOf(ui::Tab::Blank);
    // Last, so it goes first: before the widgets whose events it watches.
    std::unique_ptr<DesktopWindow> desktop_;
};

} // namespace folio::app
