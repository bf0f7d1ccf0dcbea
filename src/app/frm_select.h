#pragma once
#include "app/books_lock.h"
#include "closing/book_closer.h"
#include "data/books_state.h"
#include "reports/report_printer.h"
#include "ui/tab_page.h"
#include <QMainWindow>
#include <array>
#include <functional>

class Dialogs;
class QTabWidget;

// The main window: the File menu and the eight tabs. It owns the books for the whole run,
// prepares each tab when it is shown and reports what fails there.
class frmSelect : public QMainWindow, public MainWindowPort {
    Q_OBJECT
  public:
    static constexpr int kTabCount = 8;

    explicit frmSelect(Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmSelect() override;

    void Form_Load();
    void mnuSelectFile_Click();
    void MnuExit_Click();
    void SSTab1_Click(int previousTab);

    BooksState& books() { return books_; }
    QTabWidget* tabControl() const { return SSTab1_; }

    // MainWindowPort
    void setCaption(const QString& caption) override;
    int shownTab() const override;
    void showTab(int index) override;
    void hideTabs() override;
    QString boxText(const QString& objectName) const override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildTabs();
    void reopenSelection();
    void wireButton(const char* objectName, const std::function<void()>& handler);

    BooksState books_;
    Dialogs& dialogs_;
    TabContext context_;
    QTabWidget* SSTab1_ = nullptr;
    std::array<TabPage*, kTabCount> pages_{};
    ReportPrinter reports_;
    BookCloser closer_;
    BooksLock lock_;         // one running Folio per accounts file
    QString dialogFileName_; // the file-open dialog keeps its last name between uses
    int lastTab_ = 2;
};
