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

class PostingTab : public BooksFixture {
  protected:
    void choose(int row) {
        auto* grid = find<QAbstractItemView>(QStringLiteral("MSFlexGrid3"));
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row, 1));
    }
};

// Amounts are read as US bookkeepers type them, or refused with nothing written.
TEST_F(PostingTab, AmountsAreReadAsTypedOrRefused) {
    const struct {
        const char* debit;
        const char* credit;
        const char* cash; // the balance after the posting; empty: refused
    } cases[] = {
        {"1,500", "", "2500"},
        {"$1,000.00", "", "2000"},
        {"1500.5", "", "2500.50"},
        {"", "(1,500.00)", "2500"},
        {"-1500", "", "-500"},
        {"12abc", "", ""},
        {"-", "", ""},
        {"1e9", "", ""},
        {"", "1.2.3", ""},
        {"1,50", "", ""},
        {"99999999999999999", "", ""},
    };
    for (const auto& c : cases) {
        const QString file =
            openBooks({account("Cash", "D1", "1000", "1000"), account("Sales", "C4")});
        showTab(Tab::Posting);
        dialogs.reset();
        choose(0);
        setText(QStringLiteral("txtPostDebit"), QString::fromLatin1(c.debit));
        setText(QStringLiteral("txtPostCredit"), QString::fromLatin1(c.credit));
        click(QStringLiteral("cmdOKPost"));
        const AccountRecord cash = readAccounts(file)[0];
        if (*c.cash != '\0') {
            EXPECT_EQ(cash.balances(), Amounts::both(money(c.cash))) << c.debit << c.credit;
        } else {
            EXPECT_EQ(cash.current, money("1000")) << c.debit << c.credit;
            ASSERT_EQ(dialogs.messages().size(), 1) << c.debit << c.credit;
            EXPECT_TRUE(dialogs.messages()[0].contains(*c.debit ? "debit" : "credit"));
            EXPECT_FALSE(text(QStringLiteral("txtAccountToPost")).isEmpty());
        }
    }
}

TEST_F(PostingTab, AnAccountWithoutAKnownTypeTakesNoPosting) {
    for (const char* type : {"d6", ""}) {
        const QString file = openBooks({account("Odd", type, "10", "10")});
        showTab(Tab::Posting);
        dialogs.reset();
        choose(0);
        setText(QStringLiteral("txtPostDebit"), QStringLiteral("5"));
        click(QStringLiteral("cmdOKPost"));
        EXPECT_EQ(readAccounts(file), std::vector<AccountRecord>{account("Odd", type, "10", "10")});
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages()[0].contains("nothing was posted"));
        EXPECT_EQ(text(QStringLiteral("txtPostDebit")), "5");
    }
}

// The arrow keys move the chosen account; Enter in Debit posts.
TEST_F(PostingTab, KeysChooseAndPost) {
    const QString file = openBooks(serviceBooks());
    showTab(Tab::Posting);
    choose(0);
    QTest::keyClick(find<QAbstractItemView>(QStringLiteral("MSFlexGrid3")), Qt::Key_Down);
    EXPECT_EQ(text(QStringLiteral("txtAccountToPost")), "Supplies");
    auto* debit = find<QLineEdit>(QStringLiteral("txtPostDebit"));
    debit->setText(QStringLiteral("25"));
    QTest::keyClick(debit, Qt::Key_Return);
    EXPECT_EQ(readAccounts(file)[1].current, money("625"));
    EXPECT_FALSE(find<QPushButton>(QStringLiteral("cmdOKPost"))->isEnabled());
}

// A posting is a debit or a credit: both filled, or none, is refused with a message and
// nothing written (never netted, never silently ignored).
TEST_F(PostingTab, ADebitOrACreditButNotBothNorNeither) {
    const struct {
        const char* debit;
        const char* credit;
        const char* cash; // empty: refused
    } cases[] = {
        {"12000", "2000", ""}, {"", "", ""},        {"0", "", ""},
        {"0", "0", ""},        {"250", "", "1250"}, {"", "250", "750"},
    };
    for (const auto& c : cases) {
        const QString file = openBooks({account("Cash", "D1", "1000", "1000")});
        showTab(Tab::Posting);
        dialogs.reset();
        choose(0);
        setText(QStringLiteral("txtPostDebit"), QString::fromLatin1(c.debit));
        setText(QStringLiteral("txtPostCredit"), QString::fromLatin1(c.credit));
        click(QStringLiteral("cmdOKPost"));
        const bool refused = *c.cash == '\0';
        EXPECT_EQ(readAccounts(file)[0].current, money(refused ? "1000" : c.cash)) << c.debit;
        ASSERT_EQ(dialogs.messages().size(), refused ? 1 : 0) << c.debit << "/" << c.credit;
        if (refused) {
            EXPECT_TRUE(dialogs.messages()[0].contains("nothing was posted"));
        }
    }
}

// The Date box reads a date as every date box does; an empty one is refused, never taken
// for today.
TEST_F(PostingTab, DateIsReadAsEveryDateBoxReadsIt) {
    const struct {
        const char* typed;
        QDate kept; // invalid: refused
    } cases[] = {
        {"January 5, 2026", QDate(2026, 1, 5)},
        {"1/5/26", QDate(2026, 1, 5)},
        {"1/5/2026", QDate(2026, 1, 5)},
        {"2026-01-05", QDate(2026, 1, 5)},
        {"", QDate()},
        {"2/30/2026", QDate()},
    };
    for (const auto& c : cases) {
        const QString file = openBooks({account("Cash", "D1", "1000", "1000")});
        showTab(Tab::Posting);
        dialogs.reset();
        choose(0);
        setText(QStringLiteral("txtPostDebit"), QStringLiteral("5"));
        setText(QStringLiteral("txtPostDate"), QString::fromLatin1(c.typed));
        click(QStringLiteral("cmdOKPost"));
        journal::JournalStore& store = window->session().journalStore();
        if (c.kept.isValid()) {
            EXPECT_EQ(readAccounts(file)[0].current, money("1005")) << c.typed;
            EXPECT_EQ(store.entry(store.lastSeq())->date, c.kept) << c.typed;
        } else {
            EXPECT_EQ(readAccounts(file)[0].current, money("1000")) << c.typed;
            ASSERT_EQ(dialogs.messages().size(), 1) << c.typed;
            EXPECT_TRUE(dialogs.messages()[0].contains(*c.typed ? "is not a date" : "empty"));
        }
    }
}

// Tab leaves the grid for the Debit box with the chosen account still chosen.
TEST_F(PostingTab, TabLeavesTheGrid) {
    openBooks(serviceBooks());
    showTab(Tab::Posting);
    choose(1);
    QTest::keyClick(find<QAbstractItemView>(QStringLiteral("MSFlexGrid3")), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(QStringLiteral("txtPostDebit")));
    EXPECT_EQ(text(QStringLiteral("txtAccountToPost")), "Supplies");
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
