#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using folio::ui::Tab;

namespace {

class SetupTab : public BooksFixture {
  protected:
    // Types into the shown record's boxes and leaves it with Next.
    void save(const QString& type, const QString& current, const QString& ytd) {
        setText(QStringLiteral("txtAcctType"), type);
        setText(QStringLiteral("txtCurrentBalance"), current);
        setText(QStringLiteral("txtYtdBalance"), ytd);
        click(QStringLiteral("cmdNext"));
    }
};

// What the boxes take, and what they refuse with a message naming the box while nothing
// is written.
TEST_F(SetupTab, BoxesAreReadAsTypedOrRefused) {
    const struct {
        const char* type;
        const char* current;
        const char* ytd;
        std::optional<AccountRecord> stored; // unset: refused
        const char* named;
    } cases[] = {
        {"d1", "1,250", "$1,000.00", account("Cash", "D1", "1250", "1000"), ""},
        {"C2", "(1,500.00)", "0", account("Cash", "C2", "-1500", "0"), ""},
        {"D6", "-1500", "", account("Cash", "D6", "-1500", "0"), ""},
        {"D1", "$1,000.00", "1e15", std::nullopt, "year to date balance"},
        {"D1", "-", "1", std::nullopt, "current balance"},
        {"D1", "12abc", "1", std::nullopt, "current balance"},
        {"D1", "1.2.3", "1", std::nullopt, "current balance"},
        {"D1", "99999999999999999999", "1", std::nullopt, "current balance"},
        {"d9", "1", "1", std::nullopt, "\"d9\" is not an account type"},
    };
    for (const auto& c : cases) {
        const QString file = openBooks({account("Cash", "D1", "7", "7"), account("Sales", "C4")});
        showTab(Tab::Setup);
        dialogs.reset();
        save(c.type, c.current, c.ytd);
        const AccountRecord held = readAccounts(file)[0];
        if (c.stored) {
            EXPECT_EQ(held, *c.stored) << c.current;
            EXPECT_TRUE(dialogs.messages().isEmpty()) << c.current;
        } else {
            EXPECT_EQ(held, account("Cash", "D1", "7", "7")) << c.current;
            ASSERT_FALSE(dialogs.messages().isEmpty()) << c.current;
            EXPECT_TRUE(dialogs.messages().last().contains(c.named)) << c.current;
        }
    }
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

// A name the 62-byte record cannot hold is refused with the characters named, never
// stored with question marks; the box takes no more than the record's 40 characters.
TEST_F(SetupTab, NamesTheRecordCannotHoldAreRefused) {
    const struct {
        const char* name;
        const char* named; // empty: stored
    } cases[] = {
        {"Zażółć Łódź", "ż ł ć Ł ź"},
        {"€ Reserve", "€"},
        {"東京 Office", "東 京"},
        {"Café Réserve", ""},
    };
    for (const auto& c : cases) {
        const QString file = openBooks({account("Cash", "D1", "7", "7"), account("Sales", "C4")});
        showTab(Tab::Setup);
        dialogs.reset();
        setText(QStringLiteral("txtAcctName"), QString::fromUtf8(c.name));
        click(QStringLiteral("cmdNext"));
        const AccountRecord held = readAccounts(file)[0];
        if (*c.named == '\0') {
            EXPECT_EQ(held.name, QString::fromUtf8(c.name));
            EXPECT_TRUE(dialogs.messages().isEmpty());
        } else {
            EXPECT_EQ(held, account("Cash", "D1", "7", "7")) << c.name;
            ASSERT_EQ(dialogs.messages().size(), 1) << c.name;
            EXPECT_TRUE(dialogs.messages()[0].contains(QString::fromUtf8(c.named)))
                << dialogs.messages()[0].toStdString();
            EXPECT_EQ(text(QStringLiteral("txtAcctName")), QString::fromUtf8(c.name));
        }
    }
    auto* name = find<QLineEdit>(QStringLiteral("txtAcctName"));
    name->clear();
    QTest::keyClicks(name, QString(45, u'N'));
    EXPECT_EQ(name->text(), QString(40, u'N'));
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
