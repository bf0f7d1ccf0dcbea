#pragma once
#include "journal/books_journal.h"
#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenuBar;
class QWidget;

namespace folio {
class Books;
namespace statements {
struct CompanyInfo;
}
namespace ui {
class Dialogs;
}
} // namespace folio

namespace folio::journal {
class JournalWindow;
}

namespace folio::app {

// The Edit and Journal menus of the main window and what they do with the journal of the
// selected books: Undo and Redo, the journal window with Reverse, the balanced entry and
// the two exports. It opens the journal when books are selected and keeps the company
// values in it.
class JournalMenu : public QObject {
    Q_OBJECT
  public:
    // `refresh` prepares the shown tab again after a change of the books.
    JournalMenu(QWidget& window, Books& books, statements::CompanyInfo& company,
                ui::Dialogs& dialogs, std::function<void()> refresh);
    ~JournalMenu() override;

    void build(QMenuBar& menus);
    journal::BooksJournal& journal() { return journal_; }

    // Opens the journal of the books just selected and fills in the company values kept.
    void booksSelected();
    void booksReleased();
    // Keeps the company values in the journal (after the company tab was left).
    void keepCompanyValues();

    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuJournal_Click();
    void mnuBalancedEntry_Click();
    void mnuExportCsv_Click();
    void mnuExportLedger_Click();
    void mnuLockBooks_Click();
    void mnuReopenPeriod_Click();
    void mnuCarryChanges_Click();
    // Posts a balanced entry as the dialog's Post does; false when refused or failed.
    bool postBalanced(const journal::EntryNote& note,
                      const std::vector<journal::AmountLine>& lines);
    // Reverses an entry as the journal window's Reverse does.
    bool reverse(std::int64_t seq, const QString& reason);
    // Exports the journal as CSV or for hledger to `path`, under a progress dialog.
    void exportTo(const QString& path, bool ledger);

  private:
    // Runs a change of the books; reports a refusal or a failure and refreshes after.
    bool change(const std::function<void()>& step);
    void updateActions();
    void updatePeriodActions();
    // Puts the reopening of the books under the heading of their statements.
    void showReopened();
    bool journalReady();

    QWidget& window_;
    Books& books_;
    statements::CompanyInfo& company_;
    ui::Dialogs& dialogs_;
    std::function<void()> refresh_;
    journal::BooksJournal journal_;
    QPointer<journal::JournalWindow> journalWindow_;
    QAction* mnuUndo_ = nullptr;
    QAction* mnuRedo_ = nullptr;
    QAction* mnuCarryChanges_ = nullptr;
    QList<QAction*> needBooks_;
};

} // namespace folio::app
