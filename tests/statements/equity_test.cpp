#include "data/text_rules.h"
#include "statements/equity.h"
#include "support/books_fixture.h"
#include <QLineEdit>

namespace {

TEST(EquityFigures, RetainedEarningsFromLastC3AndCapitalStockFromEveryC3C) {
    const struct {
        const char* what;
        std::vector<AccountEntry> entries;
        const char* begCap;
        const char* ytdBegCap;
        const char* capStock;
        const char* ytdCapStock;
    } cases[] = {
        {"none", {entry("Cash", "D1", "100")}, "0", "0", "0", "0"},
        {"one C3", {entry("RE", "C3", "2000", "7000")}, "2000", "7000", "0", "0"},
        {"two C3C summed",
         {entry("Stock A", "C3C", "1000", "1100"), entry("Stock B", "C3C", "500", "600")},
         "500",
         "600",
         "1500",
         "1700"},
        {"C3 before C3C: last match",
         {entry("RE", "C3", "2000"), entry("Stock", "C3C", "1000")},
         "1000",
         "0",
         "1000",
         "0"},
        {"C3C before C3",
         {entry("Stock", "C3C", "1000"), entry("RE", "C3", "2000")},
         "2000",
         "0",
         "1000",
         "0"},
        {"C3X counts by prefix, lower-case c3 does not",
         {entry("RE", "C3X", "40"), entry("Odd", "c3", "99")},
         "40",
         "0",
         "0",
         "0"},
        {"negative balances", {entry("RE", "C3", "-250.5")}, "-250.5", "0", "0", "0"},
    };
    for (const auto& c : cases) {
        const EquityFigures f = computeEquity(AccountTable{c.entries, false});
        EXPECT_EQ(f.begCap, money(c.begCap)) << c.what;
        EXPECT_EQ(f.ytdBegCap, money(c.ytdBegCap)) << c.what;
        EXPECT_EQ(f.capStock, money(c.capStock)) << c.what;
        EXPECT_EQ(f.ytdCapStock, money(c.ytdCapStock)) << c.what;
        EXPECT_FALSE(f.tooMany) << c.what;
    }
}

TEST(EquityFigures, MoreThan49AccountsLooksAtTheFirst49Only) {
    std::vector<AccountEntry> entries(49, entry("Stock", "C3C", "1"));
    entries.push_back(entry("Late", "C3C", "1000"));
    const EquityFigures f = computeEquity(AccountTable{entries, false});
    EXPECT_TRUE(f.tooMany);
    EXPECT_EQ(f.capStock, money("49"));

    entries.back().name.clear(); // 49 accounts and the blank record of a posting
    EXPECT_FALSE(computeEquity(AccountTable{entries, false}).tooMany);
}

TEST(EquityFigures, OverflowIsRefusedNotWrapped) {
    const Money huge = Money::fromRaw(std::numeric_limits<std::int64_t>::max());
    const AccountTable table{{{"A", "C3C", huge, Money()}, {"B", "C3C", huge, Money()}}, false};
    EXPECT_THROW(computeEquity(table), MoneyOverflow);
    EXPECT_THROW(retainedEarnings(huge, money("1")), MoneyOverflow);
}

class EquityTabTest : public BooksFixture {
  protected:
    void enterService(const QString& ni, const QString& ytdNi = QStringLiteral("$0.00")) {
        window->books().BusinessType = QStringLiteral("Service");
        setText("txtNI", ni);
        setText("txtYtdNI", ytdNi);
        showTab(5);
    }
    QStringList boxes() const {
        QStringList texts;
        for (const char* name : {"txtBegCap", "txtYtdBegCap", "txtCapStock", "txtytdCapStock",
                                 "txtCurrentNet", "txtYearNet", "txtEndCap", "txtYtdEndCap"}) {
            texts << text(name);
        }
        return texts;
    }
};

TEST_F(EquityTabTest, ServiceNetIncomeAddsToBeginningRetainedEarnings) {
    openBooks({account("Retained Earnings", "C3", "2000", "6000"),
               account("Stock A", "C3C", "1000", "1000"), account("Stock B", "C3C", "500", "500"),
               account("Retained Earnings", "C3", "2000", "6000")});
    enterService("$500.00", "($300.00)");
    EXPECT_EQ(boxes(), QStringList({"$2,000.00", "$6,000.00", "$1,500.00", "$1,500.00", "$500.00",
                                    "($300.00)", "$2,500.00", "$5,700.00"}));
    EXPECT_EQ(window->books().BegCap, money("2000"));
    EXPECT_EQ(window->books().CapStock, money("1500"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(EquityTabTest, LossInParenthesesLowersEndingRetainedEarnings) {
    openBooks({account("Retained Earnings", "C3", "2000")});
    enterService("($300.00)");
    EXPECT_EQ(text("txtCurrentNet"), "($300.00)");
    EXPECT_EQ(text("txtEndCap"), "$1,700.00");
}

TEST_F(EquityTabTest, C3BeforeC3CTakesBeginningFromTheStockAccount) {
    openBooks({account("Retained Earnings", "C3", "2000"), account("Stock", "C3C", "1000")});
    enterService("$0.00");
    EXPECT_EQ(text("txtBegCap"), "$1,000.00");
}

TEST_F(EquityTabTest, MerchandisingUsesTheIncomeStatementFigures) {
    openBooks({account("Retained Earnings", "C3", "2000", "3000")});
    window->books().BusinessType = QStringLiteral("Mdse");
    window->books().NetIncome = money("3100");
    window->books().YtdNetIncome = money("-50");
    setText("txtNI", "shown but not read");
    showTab(5);
    EXPECT_EQ(text("txtCurrentNet"), "$3,100.00");
    EXPECT_EQ(text("txtEndCap"), "$5,100.00");
    EXPECT_EQ(text("txtYtdEndCap"), "$2,950.00");
}

TEST_F(EquityTabTest, RefusalsLeaveEveryBoxAsItWas) {
    openBooks({account("Retained Earnings", "C3", "2000")});
    enterService("$500.00");
    const QStringList before = boxes();
    writeAccounts(path("books.dat"), {account("Retained Earnings", "C3", "9999")});

    const struct {
        const char* ni;
        const char* ytdNi;
        const char* message;
    } cases[] = {
        {"", "$1.00", "You must complete the income statement section first"},
        {"abc", "$1.00", "The net income \"abc\" is not a number."},
        {"$1.00", "1.2.3", "The year to date net income \"1.2.3\" is not a number."},
    };
    for (const auto& c : cases) {
        dialogs.reset();
        showTab(2);
        setText("txtNI", c.ni);
        setText("txtYtdNI", c.ytdNi);
        showTab(5);
        EXPECT_EQ(boxes(), before) << c.ni;
        ASSERT_EQ(dialogs.messages().size(), 1) << c.ni;
        EXPECT_TRUE(dialogs.messages()[0].startsWith(c.message))
            << dialogs.messages()[0].toStdString();
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
    }
    EXPECT_EQ(window->books().BegCap, money("2000"));
}

TEST_F(EquityTabTest, EveryBoxHasALabelOrAccessibleName) {
    for (const char* name : {"txtBegCap", "txtYtdBegCap", "txtCapStock", "txtytdCapStock",
                             "txtCurrentNet", "txtYearNet", "txtEndCap", "txtYtdEndCap"}) {
        EXPECT_FALSE(find<QLineEdit>(name)->accessibleName().isEmpty()) << name;
    }
    EXPECT_EQ(find<QLineEdit>("txtYtdBegCap")->accessibleName(),
              "Year to Date Beg. Retained Earnings");
    EXPECT_EQ(find<QLineEdit>("txtEndCap")->accessibleName(), "End Retained Earnings");
}

} // namespace
