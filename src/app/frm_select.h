#pragma once
#include "app/books_lock.h"
#include "closing/book_closer.h"
#include "data/books.h"
#include "reports/report_printer.h"
#include "statements/company_info.h"
#include "ui/tab_page.h"
#include <QMainWindow>
#include <array>

class QTabWidget;

namespace folio::ui {
class Dialogs;
}

namespace folio::app {

// The main window: the File menu and the eight tabs. It owns the books and the company
// information for the whole run, prepares each tab when it is shown and reports what
// fails there.
class frmSelect : public QMainWindow, public ui::MainWindowPort {
    Q_OBJECT
  public:
    explicit frmSelect(ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmSelect() override;

    void Form_Load();
    void mnuSelectFile_Click();
    void MnuExit_Click();
    void SSTab1_Click(int previousTab);

    Books& books() { return books_; }
    statements::CompanyInfo& company() { return company_; }
    reports::ReportPrinter& reports() { return reports_; }
    QTabWidget* tabControl() const { return SSTab1_; }
    ui::TabPage* page(ui::Tab tab) const { return pages_[static_cast<std::size_t>(tab)]; }

    // MainWindowPort
    void setCaption(const QString& caption) override;
    ui::Tab shownTab() const override;
    void showTabLater(ui::Tab tab) override;
    void hideTabs() override;
    // Shows a tab now (its entry runs before this returns).
    void showTab(ui::Tab tab);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenu();
    void buildTabs();
    void wireTabs();
    void releaseBooks();

    Books books_;
    statements::CompanyInfo company_;
    ui::Dialogs& dialogs_;
    ui::TabContext context_;
    QTabWidget* SSTab1_ = nullptr;
    std::array<ui::TabPage*, ui::kTabCount> pages_{};
    reports::ReportPrinter reports_;
    closing::BookCloser closer_;
    BooksLock lock_;         // one running Folio per accounts file
    QString dialogFileName_; // the file-open dialog keeps its last name between uses
    int lastTab_ = ui::indexOf(ui::Tab::Blank);
};

} // namespace folio::app
