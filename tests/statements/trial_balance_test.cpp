#include "data/books_state.h"
#include "statements/trial_balance.h"
#include "support/books_fixture.h"
#include "ui/flex_grid.h"
#include <QLabel>
#include <QLineEdit>

namespace {

TEST(TrialBalanceRules, EachAccountAddsToTheSideOfItsFirstLetter) {
    const struct {
        const char* name;
        std::vector<AccountEntry> entries;
        const char* debits;
        const char* credits;
    } cases[] = {
        {"debits equal credits",
         {entry("Cash", "D1", "100"), entry("Payable", "C2", "40"), entry("Sales", "C4", "60")},
         "100",
         "100"},
        {"negative debit lowers debits",
         {entry("Cash", "D1", "100"), entry("Rent", "D6", "-25")},
         "75",
         "0"},
        {"C3C is a credit", {entry("Stock", "C3C", "500"), entry("Cash", "D1I", "1")}, "1", "500"},
        {"other codes count nowhere", {entry("Odd", "X1", "70"), entry("Bare", "", "5")}, "0", "0"},
    };
    for (const auto& c : cases) {
        const TrialBalanceFigures f = computeTrialBalance(tableOf(c.entries));
        EXPECT_EQ(f.listed.size(), c.entries.size()) << c.name;
        EXPECT_EQ(f.currentDebits, money(c.debits)) << c.name;
        EXPECT_EQ(f.currentCredits, money(c.credits)) << c.name;
    }
}

TEST(TrialBalanceRules, ReadingEndsAtTheFirstBlankName) {
    const TrialBalanceFigures f = computeTrialBalance(tableOf({
        entry("Cash", "D1", "10", "11"),
        entry("", "D1", "20", "21"),
        entry("Sales", "C4", "30", "31"),
        entry("Rent", "D6", "40", "41"),
        entry("Stock", "C3C", "50", "51"),
    }));
    ASSERT_EQ(f.listed.size(), 1u);
    EXPECT_EQ(f.currentDebits, money("10"));
    EXPECT_EQ(f.ytdDebits, money("11"));
    EXPECT_EQ(f.currentCredits, Money());
    EXPECT_EQ(f.ytdCredits, Money());
}

TEST(TrialBalanceRules, ListsAtMostFortyNineAccountsAndTotalsThose) {
    std::vector<AccountEntry> entries(50, entry("Cash", "D1", "1", "2"));
    AccountTable full = tableOf(entries);
    full.truncated = true;
    const TrialBalanceFigures f = computeTrialBalance(full);
    EXPECT_TRUE(f.tooMany);
    EXPECT_EQ(f.listed.size(), 49u);
    EXPECT_EQ(f.currentDebits, money("49"));
    EXPECT_EQ(f.ytdDebits, money("98"));

    // 49 accounts and the blank record written after the last one fit.
    entries.back() = entry("", "", "0");
    EXPECT_FALSE(computeTrialBalance(tableOf(entries)).tooMany);
}

TEST(TrialBalanceRules, ATotalTooLargeIsReportedNotWrapped) {
    const Money huge = Money::fromRaw(INT64_MAX - 5);
    const AccountTable table =
        tableOf({{"A", "D1", huge, Money()}, {"B", "D1", money("1"), Money()}});
    EXPECT_THROW(computeTrialBalance(table), MoneyOverflow);
}

class TrialBalanceTabTest : public BooksFixture {
  protected:
    FlexGrid* grid() { return find<FlexGrid>("grdTAble"); }
    void enterAgain() {
        showTab(2);
        showTab(3);
    }
};

TEST_F(TrialBalanceTabTest, ListsAccountsAndShowsTheFourTotals) {
    openBooks({account("Cash", "D1", "100", "1000"), account("Notes Payable", "C2", "40", "400"),
               account("Sales", "C4", "60", "-600.5")});
    showTab(3);
    const QStringList headings = {"AN.", "Account Title", "Type", "Current Balance",
                                  "Year To date Balance"};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(grid()->cell(0, column), headings[column]);
    }
    const QStringList row3 = {"3", "Sales", "C4", "$60.00", "($600.50)"};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(grid()->cell(3, column), row3[column]);
    }
    EXPECT_EQ(grid()->cell(1, 0), "1");
    EXPECT_EQ(grid()->cell(2, 0), "2");
    EXPECT_EQ(grid()->cell(4, 0), QString());
    EXPECT_EQ(text("txtDebit"), "$100.00");
    EXPECT_EQ(text("txtCredits"), "$100.00");
    EXPECT_EQ(text("txtYtdDebits"), "$1,000.00");
    EXPECT_EQ(text("txtYtdCredits"), "($200.50)");
    EXPECT_EQ(window->books().RecordCount, 3);
    EXPECT_EQ(window->books().CurrentRecord, 4);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(TrialBalanceTabTest, TotalsStandUnderCurrentAndYearToDateBesideDebitsAndCredits) {
    EXPECT_EQ(find<QLabel>("lblCurrent")->text(), "Current");
    EXPECT_EQ(find<QLabel>("lblYearToDate")->text(), "Year to Date");
    EXPECT_EQ(find<QLabel>("lblDebits")->text(), "&Debits");
    EXPECT_EQ(find<QLabel>("lblDebits")->buddy(), find<QLineEdit>("txtDebit"));
    EXPECT_EQ(find<QLabel>("lblCredits")->text(), "&Credits");
    EXPECT_EQ(find<QLabel>("lblCredits")->buddy(), find<QLineEdit>("txtCredits"));
    const struct {
        const char* box;
        const char* name;
    } boxes[] = {{"txtDebit", "Current Debits"},
                 {"txtCredits", "Current Credits"},
                 {"txtYtdDebits", "Year to Date Debits"},
                 {"txtYtdCredits", "Year to Date Credits"}};
    for (const auto& b : boxes) {
        EXPECT_EQ(find<QLineEdit>(b.box)->accessibleName(), b.name);
    }
}

TEST_F(TrialBalanceTabTest, EmptyFileShowsHeadingsAndZeroTotals) {
    openBooks({});
    showTab(3);
    EXPECT_EQ(grid()->cell(0, 1), "Account Title");
    EXPECT_EQ(grid()->cell(1, 0), QString());
    EXPECT_EQ(grid()->cell(1, 1), QString());
    for (const char* box : {"txtDebit", "txtCredits", "txtYtdDebits", "txtYtdCredits"}) {
        EXPECT_EQ(text(box), "$0.00") << box;
    }
    EXPECT_EQ(window->books().RecordCount, 0);
}

TEST_F(TrialBalanceTabTest, BlankSecondNameEndsTheListing) {
    openBooks({account("Cash", "D1", "10"), account("", "D1", "20"), account("Sales", "C4", "30"),
               account("Rent", "D6", "40"), account("Stock", "C3C", "50")});
    showTab(3);
    EXPECT_EQ(grid()->cell(1, 1), "Cash");
    EXPECT_EQ(grid()->cell(2, 0), QString());
    EXPECT_EQ(grid()->cell(2, 1), QString());
    EXPECT_EQ(text("txtDebit"), "$10.00");
    EXPECT_EQ(text("txtCredits"), "$0.00");
    EXPECT_EQ(window->books().RecordCount, 1);
}

TEST_F(TrialBalanceTabTest, ReenteringWithFewerAccountsLeavesNoOldRows) {
    const QString file = openBooks(
        {account("Cash", "D1", "10"), account("Sales", "C4", "30"), account("Rent", "D6", "40")});
    showTab(3);
    ASSERT_EQ(grid()->cell(3, 1), "Rent");
    writeAccounts(file, {account("Cash", "D1", "15")});
    enterAgain();
    EXPECT_EQ(grid()->cell(1, 3), "$15.00");
    for (int row = 2; row <= 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(grid()->cell(row, column), QString()) << row << "," << column;
        }
    }
    EXPECT_EQ(text("txtDebit"), "$15.00");
    EXPECT_EQ(window->books().files.openCount(), 1); // each entry reuses the handle
}

TEST_F(TrialBalanceTabTest, MoreThanFortyNineAccountsAreCutOffWithOneMessage) {
    std::vector<AccountRecord> records;
    for (int i = 1; i <= 55; ++i) {
        records.push_back(account(QStringLiteral("Account %1").arg(i), "D1", "2"));
    }
    openBooks(records);
    showTab(3);
    EXPECT_EQ(dialogs.messages(), QStringList{tooManyAccountsMessage()});
    EXPECT_EQ(dialogs.last()->icon, MessageIcon::None);
    EXPECT_EQ(grid()->cell(49, 1), "Account 49");
    EXPECT_EQ(text("txtDebit"), "$98.00");
}

} // namespace
