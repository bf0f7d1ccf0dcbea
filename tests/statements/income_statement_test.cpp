#include "data/books_state.h"
#include "data/company_values.h"
#include "statements/income_statement.h"
#include "support/books_fixture.h"
#include "ui/flex_grid.h"
#include <QTabWidget>

namespace {

std::vector<AccountRecord> merchandisingBooks() {
    return {account("Sales", "C4", "10000", "20000"),
            account("Sales Returns & Allow.", "D4", "500", "1000"),
            account("Merchandise Inventory", "D1I", "2000", "2000"),
            account("Purchases", "D5", "6000", "12000"),
            account("Purchase Returns & Allow.", "C5", "300", "600"),
            account("Rent Expense", "D6", "1200", "2400"),
            account("Cash", "D1", "9999", "9999")};
}

TEST(IncomeStatementRules, MerchandisingGoesFromNetSalesToNetIncome) {
    const IncomeStatementFigures f = computeMerchandisingIncome(
        tableOf({entry("Sales", "C4", "10000"), entry("Returns", "D4", "500"),
                 entry("Inventory", "D1I", "2000"), entry("Purchases", "D5", "6000"),
                 entry("Purchase Returns", "C5", "300"), entry("Rent", "D6", "1200"),
                 entry("Cash", "D1", "5000")}),
        money("2500"));
    EXPECT_EQ(f.current.netSales, money("9500"));
    EXPECT_EQ(f.current.costAvailable, money("7700"));
    EXPECT_EQ(f.current.costOfGoodsSold, money("5200"));
    EXPECT_EQ(f.current.grossProfit, money("4300"));
    EXPECT_EQ(f.current.expenses, money("1200"));
    EXPECT_EQ(f.current.netIncome, money("3100"));
    // The same ending inventory serves the year-to-date column.
    EXPECT_EQ(f.ytd.costOfGoodsSold, money("-2500"));
    EXPECT_EQ(f.listed.size(), 7u);
}

TEST(IncomeStatementRules, TypeCodesMatchByPrefixAndInventoryPurchasesTakeTheLast) {
    const struct {
        const char* name;
        std::vector<AccountEntry> entries;
        Money IncomeFigures::*figure;
        const char* expected;
    } cases[] = {
        {"last purchases count",
         {entry("P1", "D5", "1000"), entry("P2", "D5", "4000")},
         &IncomeFigures::purchases,
         "4000"},
        {"last inventory counts",
         {entry("I1", "D1I", "700"), entry("I2", "D1I", "300")},
         &IncomeFigures::beginningInventory,
         "300"},
        {"D1 is not inventory",
         {entry("Cash", "D1", "700")},
         &IncomeFigures::beginningInventory,
         "0"},
        {"C4 with more letters is revenue",
         {entry("S", "C4", "10"), entry("S2", "C4X", "5")},
         &IncomeFigures::revenue,
         "15"},
        {"returns add up",
         {entry("R", "D4", "1"), entry("R2", "D4", "2")},
         &IncomeFigures::salesReturns,
         "3"},
    };
    for (const auto& c : cases) {
        const IncomeStatementFigures f = computeMerchandisingIncome(tableOf(c.entries), Money());
        EXPECT_EQ(f.current.*c.figure, money(c.expected)) << c.name;
    }
}

TEST(IncomeStatementRules, ServiceIsRevenueLessExpenses) {
    const IncomeStatementFigures f = computeServiceIncome(
        tableOf({entry("Fees", "C4", "3000", "3"), entry("Other Income", "C4", "2000", "4"),
                 entry("Salary Expense", "D6", "6000", "5"), entry("Returns", "D4", "100", "6"),
                 entry("Purchases", "D5", "100")}));
    EXPECT_EQ(f.current.netSales, money("5000"));
    EXPECT_EQ(f.current.expenses, money("6000"));
    EXPECT_EQ(f.current.netIncome, money("-1000"));
    EXPECT_EQ(f.ytd.netIncome, money("2"));
}

TEST(IncomeStatementRules, BlankNamedRecordsCountButAreNotListed) {
    const IncomeStatementFigures f = computeServiceIncome(
        tableOf({entry("Fees", "C4", "10"), entry("", "C4", "5"), entry("Rent", "D6", "3"), {}}));
    ASSERT_EQ(f.listed.size(), 2u);
    EXPECT_EQ(f.listed[1].name, "Rent");
    EXPECT_EQ(f.current.revenue, money("15"));
    EXPECT_FALSE(f.tooMany);
}

TEST(IncomeStatementRules, AFileLongerThanTheGridIsCutOff) {
    const IncomeStatementFigures f =
        computeServiceIncome(tableOf(std::vector<AccountEntry>(50, entry("Fees", "C4", "1"))));
    EXPECT_TRUE(f.tooMany);
    EXPECT_EQ(f.listed.size(), 49u);
    EXPECT_EQ(f.current.revenue, money("49"));
}

class IncomeStatementTabTest : public BooksFixture {
  protected:
    FlexGrid* grid() { return find<FlexGrid>("MSFlexGrid1"); }
    void enterAgain() {
        showTab(2);
        showTab(4);
    }
    QStringList boxes() {
        QStringList texts;
        for (const char* box : {"txtRevenue", "txtExpenses", "txtNI", "txtYtdRevenue",
                                "txtYtdExpenses", "txtYtdNI"}) {
            texts << text(box);
        }
        return texts;
    }
};

TEST_F(IncomeStatementTabTest, MerchandisingChosenOnTheCompanyTab) {
    openBooks(merchandisingBooks());
    showTab(7);
    dialogs.inputAnswers.push_back("2500");
    click("optMdse");
    showTab(4);
    EXPECT_EQ(boxes(), (QStringList{"$9,500.00", "$1,200.00", "$3,100.00", "$19,000.00",
                                    "$2,400.00", "$5,700.00"}));
    EXPECT_EQ(window->books().NetIncome, money("3100"));
    EXPECT_EQ(window->books().YtdNetIncome, money("5700"));
    EXPECT_EQ(grid()->cell(0, 4), "Year To date");
    EXPECT_EQ(grid()->cell(7, 0), "7");
    EXPECT_EQ(grid()->cell(3, 2), "D1I");
    EXPECT_EQ(grid()->cell(4, 3), "$6,000.00");
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(IncomeStatementTabTest, ServiceShowsALossInParentheses) {
    openBooks({account("Fees", "C4", "3000"), account("Other Income", "C4", "2000"),
               account("Salary Expense", "D6", "6000"), account("Returns", "D4", "100")});
    window->books().BusinessType = "Service";
    showTab(4);
    EXPECT_EQ(text("txtRevenue"), "$5,000.00");
    EXPECT_EQ(text("txtExpenses"), "$6,000.00");
    EXPECT_EQ(text("txtNI"), "($1,000.00)");
    EXPECT_EQ(text("txtYtdNI"), "$0.00");
    EXPECT_EQ(window->books().NetIncome, money("-1000"));
}

TEST_F(IncomeStatementTabTest, EmptyFileGivesZeroFigures) {
    openBooks({});
    window->books().BusinessType = "Service";
    showTab(4);
    EXPECT_EQ(boxes(), QStringList(6, "$0.00"));
    EXPECT_EQ(grid()->cell(1, 1), QString());
}

TEST_F(IncomeStatementTabTest, RefusesWithoutTheCompanyFacts) {
    const struct {
        const char* name;
        const char* business;
        std::optional<QString> inventory;
        QString message;
        int tabShown;
    } cases[] = {
        {"no business type", "", QString("100"), "You must complete company information section",
         4},
        {"inventory never entered", "Mdse", std::nullopt,
         "You need to enter the amount of ending inventory", 7},
        {"inventory left empty", "Mdse", QString(),
         "You need to enter the amount of ending inventory", 7},
        {"inventory not a number", "Mdse", QString("abc"),
         notANumberMessage("ending inventory", "abc"), 7},
    };
    openBooks({account("Sales", "C4", "10")});
    for (const auto& c : cases) {
        window->books().BusinessType = "Service";
        showTab(2);
        showTab(4);
        const QStringList before = boxes();
        ASSERT_EQ(before[0], "$10.00");

        dialogs.reset();
        window->books().BusinessType = c.business;
        window->books().EndingInventory = c.inventory;
        enterAgain();
        EXPECT_EQ(dialogs.messages(), QStringList{c.message}) << c.name;
        EXPECT_EQ(dialogs.last()->icon, MessageIcon::None) << c.name;
        EXPECT_EQ(window->tabControl()->currentIndex(), c.tabShown) << c.name;
        EXPECT_EQ(boxes(), before) << c.name;
        EXPECT_EQ(window->books().NetIncome, money("10")) << c.name;
    }
}

TEST_F(IncomeStatementTabTest, ServiceWithoutAFileIsRefused) {
    window->books().BusinessType = "Service";
    showTab(4);
    ASSERT_EQ(dialogs.messages(), QStringList{"File not Selected!"});
    EXPECT_EQ(dialogs.last()->icon, MessageIcon::Critical);
    EXPECT_EQ(text("txtNI"), QString());
}

TEST_F(IncomeStatementTabTest, ReenteringWithFewerAccountsLeavesNoOldRows) {
    const QString file =
        openBooks({account("Fees", "C4", "10"), account("Rent", "D6", "4"), account("Cash", "D1")});
    window->books().BusinessType = "Service";
    showTab(4);
    ASSERT_EQ(grid()->cell(3, 1), "Cash");
    writeAccounts(file, {account("", "C4", "99"), account("Fees", "C4", "10")});
    enterAgain();
    EXPECT_EQ(grid()->cell(1, 1), "Fees");
    for (int row = 2; row <= 3; ++row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(grid()->cell(row, column), QString()) << row << "," << column;
        }
    }
    EXPECT_EQ(text("txtRevenue"), "$109.00");
    EXPECT_EQ(window->books().files.openCount(), 1);
}

} // namespace
