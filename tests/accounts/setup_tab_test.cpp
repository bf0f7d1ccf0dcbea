#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using folio::ui::Tab;

namespace {

using SetupTab = BooksFixture;

// What the boxes take, and what they refuse with a message naming the box or the
// characters while nothing is written: a name the 62-byte record cannot hold is refused,
// never stored with question marks.
TEST_F(SetupTab, BoxesAreReadAsTypedOrRefused) {
    for (const QStringList& c : readCases(QStringLiteral(FOLIO_TEST_DATA "/boxes.cases"))) {
        const QString file = openBooks({account("Cash", "D1", "7", "7"), account("Sales", "C4")});
        showTab(Tab::Setup);
        dialogs.reset();
        const QStringList boxes{"txtAcctName", "txtAcctType", "txtCurrentBalance", "txtYtdBalance"};
        for (int i = 0; i < boxes.size(); ++i) {
            if (c[i] != u"(left)") {
                setText(boxes[i], c[i]);
            }
        }
        click(QStringLiteral("cmdNext"));
        const std::string what = c.join(u'|').toStdString();
        const AccountRecord held = readAccounts(file)[0];
        if (!c[4].startsWith(u"refused ")) {
            const QStringList f = c[4].split(QStringLiteral(", "));
            EXPECT_EQ(held, account(f[0], f[1], qPrintable(f[2]), qPrintable(f[3]))) << what;
            EXPECT_TRUE(dialogs.messages().isEmpty()) << what;
        } else {
            EXPECT_EQ(held, account("Cash", "D1", "7", "7")) << what;
            ASSERT_EQ(dialogs.messages().size(), 1) << what;
            EXPECT_TRUE(dialogs.messages()[0].contains(c[4].mid(8)))
                << dialogs.messages()[0].toStdString();
            EXPECT_EQ(text(QStringLiteral("txtAcctName")), c[0] == u"(left)" ? "Cash" : c[0]);
        }
    }
    // The name box takes no more than the record's 40 characters.
    auto* name = find<QLineEdit>(QStringLiteral("txtAcctName"));
    name->clear();
    QTest::keyClicks(name, QString(45, u'N'));
    EXPECT_EQ(name->text(), QString(40, u'N'));
}

TEST_F(SetupTab, DeleteRefusesAnAccountWithABalanceAndAsksForAnyOther) {
    std::vector<AccountRecord> chart = serviceBooks();
    chart[0].current = Money(); // Cash: a year-to-date balance only
    chart.insert(chart.begin() + 1, account("Petty Cash", "D1"));
    const QString file = openBooks(chart);
    showTab(Tab::Setup);
    click(QStringLiteral("cmdDelete"));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith(
        "Cash still has a balance: current balance $0.00, year to date balance $18,250.75."));
    EXPECT_TRUE(dialogs.messages()[0].contains("Post its balances to another account first"));
    EXPECT_EQ(readAccounts(file), chart);

    click(QStringLiteral("cmdNext"));
    dialogs.yesNoAnswers.push_back(false);
    click(QStringLiteral("cmdDelete"));
    EXPECT_TRUE(dialogs.shown.back().text.contains("Petty Cash (D1)"));
    EXPECT_EQ(readAccounts(file), chart);
    dialogs.yesNoAnswers.push_back(true);
    click(QStringLiteral("cmdDelete"));
    chart.erase(chart.begin() + 1);
    EXPECT_EQ(readAccounts(file), chart);
    EXPECT_EQ(text(QStringLiteral("txtAcctName")), "Supplies");
}

// The caption counts the accounts, not the blank record a posting leaves after them;
// the type list offers dividends.
TEST_F(SetupTab, CaptionCountsAccountsAndDividendsAreOffered) {
    openBooks({account("Cash", "D1"), account("Sales", "C4"), AccountRecord::blank()});
    showTab(Tab::Setup);
    EXPECT_EQ(window->windowTitle(), "Record  1/ 2");
    auto* types = find<QListWidget>(QStringLiteral("lstAcctType"));
    const auto dividends = types->findItems(QStringLiteral("D3 = Dividends"), Qt::MatchExactly);
    ASSERT_EQ(dividends.size(), 1);
    types->setCurrentItem(dividends[0]);
    EXPECT_EQ(text(QStringLiteral("txtAcctType")), "D3");
}

// On the setup tab a box always has the focus: with no typing of its own to take back,
// Ctrl+Z takes back the books' last change.
TEST_F(SetupTab, UndoKeyReachesTheBooksFromABox) {
    const QString file = openBooks({account("Cash", "D1", "7", "7"), account("Sales", "C4")});
    showTab(Tab::Setup);
    auto* type = find<QLineEdit>(QStringLiteral("txtAcctType"));
    type->setFocus();
    type->selectAll();
    QTest::keyClicks(type, QStringLiteral("D6"));
    QTest::keyClick(type, Qt::Key_Z, Qt::ControlModifier); // the typing first
    EXPECT_NE(type->text(), "D6");
    EXPECT_EQ(readAccounts(file)[0].type, "D1");
    setText(QStringLiteral("txtAcctType"), QStringLiteral("D6"));
    click(QStringLiteral("cmdNext"));
    ASSERT_EQ(readAccounts(file)[0].type, "D6");
    auto* name = find<QLineEdit>(QStringLiteral("txtAcctName"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(readAccounts(file)[0].type, "D1");
}

TEST_F(SetupTab, ANewAccountTypedIsSavedOnExitAndOnClosingTheWindow) {
    for (const bool exit : {false, true}) {
        const QString file = openBooks(serviceBooks(), exit ? "exit.dat" : "close.dat");
        showTab(Tab::Setup);
        click(QStringLiteral("cmdNew"));
        setText(QStringLiteral("txtAcctName"), QStringLiteral("Petty Cash"));
        setText(QStringLiteral("txtAcctType"), QStringLiteral("D1"));
        if (exit) {
            find<QAction>(QStringLiteral("MnuExit"))->trigger();
        } else {
            window->close();
        }
        const std::vector<AccountRecord> held = readAccounts(file);
        ASSERT_EQ(held.size(), serviceBooks().size() + 1) << exit;
        EXPECT_EQ(held.back(), account("Petty Cash", "D1")) << exit;
    }
}

} // namespace
