#include "journal/journal_store.h"
#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using folio::ui::Tab;

namespace {

using PostingTab = BooksFixture;

// What the Debit, Credit and Date boxes take, read as US bookkeepers type them, and what
// they refuse with a message while nothing is written: amounts that are no amounts, both
// sides or neither (never netted, never silently ignored), an account without a known
// type, a date that is none or empty (never taken for today).
TEST_F(PostingTab, BoxesAreReadAsTypedOrRefused) {
    const struct {
        const char* debit;
        const char* credit;
        const char* cash;         // the balance after the posting; empty: refused
        const char* refusal = ""; // a word of the message
        const char* type = "D1";
        const char* date = nullptr; // typed into the Date box; null: left as it is
        QDate kept = {};
    } cases[] = {
        {"1,500", "", "2500"},
        {"$1,000.00", "", "2000"},
        {"1500.5", "", "2500.50"},
        {"", "(1,500.00)", "2500"},
        {"-1500", "", "-500"},
        {"", "250", "750"},
        {"12abc", "", "", "debit"},
        {"-", "", "", "debit"},
        {"1e9", "", "", "debit"},
        {"", "1.2.3", "", "credit"},
        {"1,50", "", "", "debit"},
        {"99999999999999999", "", "", "debit"},
        {"12000", "2000", "", "nothing was posted"},
        {"", "", "", "nothing was posted"},
        {"0", "", "", "nothing was posted"},
        {"0", "0", "", "nothing was posted"},
        {"5", "", "", "nothing was posted", "d6"},
        {"5", "", "", "nothing was posted", ""},
        {"5", "", "1005", "", "D1", "January 5, 2026", QDate(2026, 1, 5)},
        {"5", "", "1005", "", "D1", "1/5/26", QDate(2026, 1, 5)},
        {"5", "", "1005", "", "D1", "1/5/2026", QDate(2026, 1, 5)},
        {"5", "", "1005", "", "D1", "2026-01-05", QDate(2026, 1, 5)},
        {"5", "", "", "empty", "D1", ""},
        {"5", "", "", "\"2/30/2026\" is not a date.", "D1", "2/30/2026"},
    };
    for (const auto& c : cases) {
        const AccountRecord cash = account("Cash", c.type, "1000", "1000");
        const QString file = openBooks({cash, account("Sales", "C4")});
        showTab(Tab::Posting);
        dialogs.reset();
        choose(0);
        setText(QStringLiteral("txtPostDebit"), QString::fromLatin1(c.debit));
        setText(QStringLiteral("txtPostCredit"), QString::fromLatin1(c.credit));
        if (c.date != nullptr) {
            setText(QStringLiteral("txtPostDate"), QString::fromLatin1(c.date));
        }
        click(QStringLiteral("cmdOKPost"));
        const std::string typed = std::string(c.debit) + "/" + c.credit + "/" + c.type;
        if (*c.cash != '\0') {
            EXPECT_EQ(readAccounts(file)[0].balances(), Amounts::both(money(c.cash))) << typed;
            EXPECT_TRUE(dialogs.messages().isEmpty()) << typed;
            journal::JournalStore& store = window->session().journalStore();
            if (c.kept.isValid()) {
                EXPECT_EQ(store.entry(store.lastSeq())->date, c.kept) << c.date;
            }
        } else {
            EXPECT_EQ(readAccounts(file)[0], cash) << typed;
            ASSERT_EQ(dialogs.messages().size(), 1) << typed;
            EXPECT_TRUE(dialogs.messages()[0].contains(c.refusal)) << typed;
            EXPECT_FALSE(text(QStringLiteral("txtAccountToPost")).isEmpty());
            EXPECT_EQ(text(QStringLiteral("txtPostDebit")), c.debit) << typed;
        }
    }
}

// The arrow keys move the chosen account; Tab leaves the grid for the Debit box with it
// still chosen; Enter in Debit posts.
TEST_F(PostingTab, KeysChooseAndPost) {
    const QString file = openBooks(serviceBooks());
    showTab(Tab::Posting);
    choose(0);
    auto* grid = find<QAbstractItemView>(QStringLiteral("MSFlexGrid3"));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(text(QStringLiteral("txtAccountToPost")), "Supplies");
    QTest::keyClick(grid, Qt::Key_Tab);
    auto* debit = find<QLineEdit>(QStringLiteral("txtPostDebit"));
    EXPECT_EQ(QApplication::focusWidget(), debit);
    EXPECT_EQ(text(QStringLiteral("txtAccountToPost")), "Supplies");
    QTest::keyClicks(debit, QStringLiteral("25"));
    QTest::keyClick(debit, Qt::Key_Return);
    EXPECT_EQ(readAccounts(file)[1].current, money("625"));
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdOKPost"))->isEnabled());
}

// Ctrl+Z takes back the typing in the focused box while it has some, and the books' last
// change once it has none: right after posting with Enter, that is the posting.
TEST_F(PostingTab, UndoKeyTakesBackTypingThenThePosting) {
    const QString file = openBooks(serviceBooks());
    const AccountRecord before = readAccounts(file)[0];
    showTab(Tab::Posting);
    choose(0);
    auto* debit = find<QLineEdit>(QStringLiteral("txtPostDebit"));
    debit->setFocus();
    QTest::keyClicks(debit, QStringLiteral("25"));
    QTest::keyClick(debit, Qt::Key_Return);
    ASSERT_EQ(readAccounts(file)[0].current, before.current + money("25"));
    QTest::keyClicks(debit, QStringLiteral("7"));
    // The Edit menu says which Undo acts on.
    auto* edit = window->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    auto* undo = window->findChild<QAction*>(QStringLiteral("mnuUndo"));
    edit->popup(window->mapToGlobal(QPoint(40, 20)));
    EXPECT_EQ(undo->text(), "&Undo Typing");
    edit->close();
    QTest::keyClick(debit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(debit->text(), "");
    edit->popup(window->mapToGlobal(QPoint(40, 20)));
    EXPECT_EQ(undo->text(), "&Undo Posting");
    edit->close();
    EXPECT_EQ(readAccounts(file)[0].current, before.current + money("25"));
    auto* memo = find<QLineEdit>(QStringLiteral("txtPostMemo"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(readAccounts(file)[0], before);
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(readAccounts(file)[0].current, before.current + money("25"));
    // Redo is greyed once a new posting follows an undo: nothing is left to make again.
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    auto* redo = window->findChild<QAction*>(QStringLiteral("mnuRedo"));
    EXPECT_TRUE(redo->isEnabled());
    choose(0);
    setText(QStringLiteral("txtPostDebit"), QStringLiteral("1"));
    click(QStringLiteral("cmdOKPost"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(readAccounts(file)[0].current, before.current + money("1"));
}

} // namespace
