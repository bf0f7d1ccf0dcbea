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
    for (const QStringList& c : readCases(QStringLiteral(FOLIO_TEST_DATA "/boxes.cases"))) {
        const std::string typed = c.join(u'|').toStdString();
        const AccountRecord cash = account("Cash", c[2], "1000", "1000");
        const QString file = openBooks({cash, account("Sales", "C4")});
        showTab(Tab::Posting);
        dialogs.reset();
        choose(0);
        setText(QStringLiteral("txtPostDebit"), c[0]);
        setText(QStringLiteral("txtPostCredit"), c[1]);
        if (c[3] != u"(left)") {
            setText(QStringLiteral("txtPostDate"), c[3]);
        }
        click(QStringLiteral("cmdOKPost"));
        if (!c[4].startsWith(u"refused ")) {
            EXPECT_EQ(readAccounts(file)[0].balances(), Amounts::both(money(qPrintable(c[4]))))
                << typed;
            EXPECT_TRUE(dialogs.messages().isEmpty()) << typed;
            journal::JournalStore& store = window->session().journalStore();
            if (c.size() > 5) {
                EXPECT_EQ(store.entry(store.lastSeq())->date, QDate::fromString(c[5], Qt::ISODate))
                    << typed;
            }
        } else {
            EXPECT_EQ(readAccounts(file)[0], cash) << typed;
            ASSERT_EQ(dialogs.messages().size(), 1) << typed;
            EXPECT_TRUE(dialogs.messages()[0].contains(c[4].mid(8))) << typed;
            EXPECT_FALSE(text(QStringLiteral("txtAccountToPost")).isEmpty());
            EXPECT_EQ(text(QStringLiteral("txtPostDebit")), c[0]) << typed;
        }
    }
}

// The arrow keys move the chosen account; Tab leaves the grid for the Debit box with it
// still chosen; Enter in Debit posts. Ctrl+Z then takes back the typing in the focused box
// while it has some, and the books' last change once it has none: that is the posting.
TEST_F(PostingTab, KeysChooseAndPostAndUndoTakesBackTypingThenThePosting) {
    const QString file = openBooks(serviceBooks());
    const AccountRecord before = readAccounts(file)[1];
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
    ASSERT_EQ(readAccounts(file)[1].current, money("625"));
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdOKPost"))->isEnabled());
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
    EXPECT_EQ(readAccounts(file)[1].current, before.current + money("25"));
    auto* memo = find<QLineEdit>(QStringLiteral("txtPostMemo"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(readAccounts(file)[1], before);
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(readAccounts(file)[1].current, before.current + money("25"));
    // Redo is greyed once a new posting follows an undo: nothing is left to make again.
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    auto* redo = window->findChild<QAction*>(QStringLiteral("mnuRedo"));
    EXPECT_TRUE(redo->isEnabled());
    choose(1);
    setText(QStringLiteral("txtPostDebit"), QStringLiteral("1"));
    click(QStringLiteral("cmdOKPost"));
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(readAccounts(file)[1].current, before.current + money("1"));
}

} // namespace
