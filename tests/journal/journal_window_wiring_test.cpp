// The journal as the main window uses it: every kind of change through the tabs, Undo
// and Redo from the Edit menu, the company values kept with the books, the closings and
// the exports.
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

TEST_F(JournalWiring, EveryChangeOfTheTabsIsUndoneAndRedoneByteForByte) {
    std::vector<AccountRecord> chart = serviceBooks();
    chart[1].current = chart[1].ytd = Money(); // Supplies, deleted below
    const QString books = openBooks(chart);
    struct Case {
        const char* name;
        std::function<void()> change;
    };
    const std::vector<Case> cases = {
        {"new account",
         [&] {
             showFresh(Tab::Setup);
             click(QStringLiteral("cmdNew"));
         }},
        {"posting", [&] { postOnTab(0, "250", QString(), "invoice 17"); }},
        {"setup edit",
         [&] {
             showFresh(Tab::Setup);
             setText(QStringLiteral("txtAcctName"), QStringLiteral("Cash in Bank"));
             click(QStringLiteral("cmdNext"));
         }},
        {"deletion",
         [&] {
             showFresh(Tab::Setup);
             click(QStringLiteral("cmdNext"));
             dialogs.yesNoAnswers.push_back(true);
             click(QStringLiteral("cmdDelete"));
         }},
    };
    for (const Case& each : cases) {
        const QByteArray before = fileBytes(books);
        each.change();
        const QByteArray after = fileBytes(books);
        ASSERT_NE(after, before) << each.name;
        menu("mnuUndo");
        EXPECT_EQ(fileBytes(books), before) << each.name;
        menu("mnuRedo");
        EXPECT_EQ(fileBytes(books), after) << each.name;
    }
    EXPECT_EQ(dialogs.messages(), QStringList{dialogs.shown.back().text}); // the delete question
    EXPECT_EQ(store().entry(5)->memo, "invoice 17");
    EXPECT_EQ(lastMemo(), "Deleted Supplies"); // a Redo keeps the memo of its change
    EXPECT_EQ(readAccounts(books)[1].name, "Accounts Payable"); // "Supplies" is deleted again
}

TEST_F(JournalWiring, CompanyValuesComeBackWithTheBooksAndAClosingStartsTheCopysJournal) {
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

    closeMonthly();
    const QString closed = books + " closed monthly";
    ASSERT_TRUE(QFile::exists(folio::session::BooksSession::journalPathFor(closed)));
    EXPECT_EQ(lastMemo(), "Monthly closing into " + closed);
}

TEST_F(JournalWiring, UndoAndRedoStopAtAClosingAndSaySo) {
    const QString books = openBooks(serviceBooks());
    postOnTab(0, "25");
    postOnTab(0, "5");
    menu("mnuUndo");
    setCompany(folio::statements::Business::Service);
    closeMonthly();
    const QByteArray closed = fileBytes(books);
    dialogs.reset();
    find<QMenu>(QStringLiteral("mnuEdit"))->aboutToShow();
    EXPECT_EQ(find<QAction>(QStringLiteral("mnuUndo"))->text(), "&Undo (not past the closing)");
    EXPECT_EQ(find<QAction>(QStringLiteral("mnuRedo"))->text(), "&Redo (not past the closing)");
    menu("mnuUndo");
    menu("mnuRedo");
    EXPECT_EQ(fileBytes(books), closed);
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("These books were closed: the monthly closing"));
    // Reopened, they still do not reach past the closing.
    dialogs.inputAnswers.push_back(QStringLiteral("a late invoice"));
    menu("mnuReopenPeriod");
    dialogs.reset();
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
    EXPECT_FALSE(find<QAction>(QStringLiteral("mnuUndo"))->isEnabled());
    EXPECT_FALSE(find<QAction>(QStringLiteral("mnuRedo"))->isEnabled());
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
    postOnTab(0, "250");
    const QString csv = path("out.csv");
    dialogs.saveNames = {csv};
    menu("mnuExportCsv");
    menu("mnuExportLedger"); // cancelled in the save dialog: nothing happens
    EXPECT_EQ(dialogs.messages(), QStringList{"The journal was exported to\n" + csv});
    EXPECT_EQ(fileBytes(csv).count('\n'), 1 + 8 + 2); // the posting and its blank record
}

} // namespace
