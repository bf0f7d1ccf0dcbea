// The journal as the main window uses it (every kind of change through the tabs, undone
// and redone from the Edit menu, is left to the model-based session): the company values
// kept with the books, the closings and the exports.
#include "session/books_session.h"
#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAction>
#include <QDir>
#include <QMenu>

using folio::ui::Tab;
using namespace folio::journal;

namespace {

class JournalWiring : public BooksFixture {
  protected:
    void menu(const char* action) { find<QAction>(QString::fromLatin1(action))->trigger(); }
    JournalStore& store() { return window->session().journalStore(); }
    QString lastMemo() { return store().entry(store().lastSeq())->memo; }
};

TEST_F(JournalWiring, CompanyValuesComeBackWithTheBooks) {
    const QString books = openBooks(serviceBooks());
    showTab(Tab::Company);
    setCompany(folio::statements::Business::Service);
    showTab(Tab::TrialBalance); // leaving the tab keeps the values with the books
    selectFile(path("other.dat"));
    window->company() = {};
    selectFile(books);
    EXPECT_EQ(window->company().name, "Kestrow Supply Co.");
    EXPECT_EQ(window->company().date, "3/31/2026");
    EXPECT_EQ(window->company().business, folio::statements::Business::Service);
}

// Undo and Redo do not reach past a closing, also once the books are opened again; once
// the period is reopened, a change after the closing is taken back as ever, and no further.
TEST_F(JournalWiring, UndoAndRedoStopAtAClosingAndSaySo) {
    const QString books = openBooks(serviceBooks());
    postOnTab(0, "25");
    postOnTab(0, "5");
    menu("mnuUndo");
    setCompany(folio::statements::Business::Service);
    closeMonthly();
    const QByteArray closed = fileBytes(books);
    for (int round = 0; round < 2; ++round) {
        dialogs.reset();
        find<QMenu>("mnuEdit")->aboutToShow();
        EXPECT_EQ(find<QAction>("mnuUndo")->text(), "&Undo (not past the closing)");
        EXPECT_EQ(find<QAction>("mnuRedo")->text(), "&Redo (not past the closing)");
        menu("mnuUndo");
        menu("mnuRedo");
        EXPECT_EQ(fileBytes(books), closed);
        ASSERT_EQ(dialogs.messages().size(), 2);
        EXPECT_TRUE(
            dialogs.messages()[0].startsWith("These books were closed: the monthly closing"));
        selectFile(books);
    }
    dialogs.inputAnswers.push_back("a late invoice");
    menu("mnuReopenPeriod");
    postOnTab(0, "10");
    dialogs.reset();
    menu("mnuUndo");
    EXPECT_EQ(fileBytes(books), closed);
    menu("mnuUndo");
    EXPECT_EQ(fileBytes(books), closed);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("The books were closed since that change"));
}

// Books whose journal cannot be opened say why once, offer no Undo, and their closing says
// only that they were closed.
TEST_F(JournalWiring, BooksWithoutAJournalSayWhyOnceAndCloseWithoutAWord) {
    const QString books = path("books.dat");
    writeAccounts(books, serviceBooks());
    QDir().mkdir(folio::session::BooksSession::journalPathFor(books));
    selectFile(books);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().front().contains("is a folder"));
    EXPECT_FALSE(find<QAction>("mnuUndo")->isEnabled());
    EXPECT_FALSE(find<QAction>("mnuRedo")->isEnabled());
    setCompany(folio::statements::Business::Service);
    dialogs.reset();
    closeMonthly();
    ASSERT_EQ(dialogs.messages().size(), 2); // the question and the closing's own message
    EXPECT_TRUE(dialogs.messages()[1].startsWith("The monthly books were closed into"));
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_EQ(readAccounts(books + " closed monthly").size(), serviceBooks().size());
}

TEST_F(JournalWiring, AFileChangedOutsideFolioIsSaidPlainly) {
    const QString books = openBooks(serviceBooks());
    dialogs.reset();
    writeAccounts(books, merchandisingBooks());
    selectFile(books);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("These books were changed outside Folio"));
    dialogs.reset();
    selectFile(books);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(JournalWiring, ExportsGoWhereTheUserSaysAndTellWhereTheyWent) {
    const QString books = openBooks(serviceBooks());
    postOnTab(0, "250", QString(), "invoice 17");
    EXPECT_EQ(lastMemo(), "invoice 17");
    const QString csv = path("out.csv");
    dialogs.saveNames = {csv};
    menu("mnuExportCsv");
    menu("mnuExportLedger"); // cancelled in the save dialog: nothing happens
    EXPECT_EQ(dialogs.messages(), QStringList{"The journal was exported to\n" + csv});
    EXPECT_EQ(fileBytes(csv).count('\n'), 1 + 8 + 2); // the posting and its blank record
}

} // namespace
