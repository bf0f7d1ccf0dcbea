#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAbstractItemView>
#include <QLineEdit>
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

} // namespace
