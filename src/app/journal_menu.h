#pragma once
#include "journal/posting_math.h"
#include "session/books_session.h"
#include <QObject>
#include <QPointer>

class QAction;
class QMenuBar;
class QWidget;

namespace folio::ui {
class Dialogs;
}

namespace folio::journal {
class JournalWindow;
}

namespace folio::app {

class TypingUndo;

// The Edit and Journal menus of the main window: Undo and Redo, the journal window with
// Reverse, the balanced entry and the two exports. Each asks the books session and tells
// the user what came of it; the journal window follows every change of the books.
class JournalMenu : public QObject {
    Q_OBJECT
  public:
    JournalMenu(QWidget& window, session::BooksSession& session, ui::Dialogs& dialogs);
    ~JournalMenu() override;

    void build(QMenuBar& menus);

    // Opens the journal of the books just selected and says what opening it found.
    void booksSelected();
    void booksReleased();

    void undoLastChange();
    void redoLastUndone();
    void showJournal();
    void enterBalancedEntry();
    void exportJournalCsv();
    void exportJournalLedger();
    void lockBooksThrough();
    void reopenClosedPeriod();
    void carryChangesForward();
    // Posts a balanced entry as the dialog's Post does; false when refused or failed.
    bool postBalanced(const journal::EntryNote& note,
                      const std::vector<journal::AmountLine>& lines);
    // Reverses an entry as the journal window's Reverse does.
    bool reverse(std::int64_t seq, const QString& reason, const QDate& date);
    // Exports the journal as CSV or for hledger to `path`, under a progress dialog.
    void exportTo(const QString& path, bool ledger);

  private:
    void booksChanged();
    void updateActions();
    void updatePeriodActions();
    // Puts the reopening of the books under the heading of their statements.
    void showReopened();
    bool journalReady();

    QWidget& window_;
    session::BooksSession& session_;
    ui::Dialogs& dialogs_;
    QPointer<journal::JournalWindow> journalWindow_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* carryChangesAction_ = nullptr;
    TypingUndo* typing_ = nullptr; // shares Undo and Redo with the focused text box
    QList<QAction*> needBooks_;
};

} // namespace folio::app
