#include "report_fixture.h"

namespace {

// The printed balance sheet: which accounts list where, and the equity values it takes
// from the equity tab's boxes and from the kept figures.
class BalanceSheetPrint : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        openBooks({account("Capital Stock", "C3C", "5000", "6000"),
                   account("Retained Earnings of Kestrow Supply", "C3", "2000", "2400"),
                   account("Accumulated Depreciation Equipment", "C1", "100", "150"),
                   account("Accounts Payable to Suppliers Abroad", "C2", "300", "350"),
                   account("Cash", "D1", "7000", "8000"), account("Petty Cash", "D1X", "40", "40"),
                   account("Reserve", "C3X", "9", "9")});
        window.boxes["txtCapStock"] = "$5,000.00";
        window.boxes["txtytdCapStock"] = "$6,000.00";
        window.boxes["txtCapital"] = "$2,500.00";
        window.boxes["txtYtdEndCap"] = "($2,900.00)";
        window.boxes["txtNI"] = "$500.00";
        window.boxes["txtYtdNI"] = "$500.00";
        answerPrint(1);
    }

    QString printedLine(const QString& start) {
        document = {};
        reports.cmdPrintBs_Click();
        return lineStarting(printed(), start);
    }
};

TEST_F(BalanceSheetPrint, EachAccountPrintsByItsOwnTest) {
    reports.cmdPrintBs_Click();
    const QStringList page = printed();
    // Exact "D1" only; the asset names are cut to 20 characters.
    EXPECT_EQ(columnOf(lineStarting(page, "Cash"), "$7,000.00"), 35);
    EXPECT_TRUE(lineStarting(page, "Petty Cash").isEmpty());
    EXPECT_TRUE(lineStarting(page, "Total Assets").contains("$6,900.00"));
    // Accumulated depreciation keeps its whole name; liabilities are cut.
    EXPECT_EQ(columnOf(lineStarting(page, "Accumulated Depreciation Equipment"), "$150.00"), 45);
    const QString payable = lineStarting(page, "Accounts Payable to ");
    EXPECT_FALSE(payable.contains("Suppliers"));
    EXPECT_EQ(columnOf(payable, "$350.00"), 71);
    // Equity accounts by the end of their code, whole names, amounts from the boxes.
    const QString stock = lineStarting(page, "Capital Stock");
    EXPECT_EQ(columnOf(stock, "$5,000.00"), 57);
    EXPECT_EQ(columnOf(stock, "$6,000.00"), 71);
    const QString earnings = lineStarting(page, "Retained Earnings of Kestrow Supply");
    EXPECT_EQ(columnOf(earnings, "$2,500.00"), 57);
    EXPECT_EQ(columnOf(earnings, "-$2,900.00"), 71);
    EXPECT_TRUE(lineStarting(page, "Reserve").isEmpty());
    EXPECT_EQ(document.fontName, "Times New Roman");
    EXPECT_EQ(document.fontSize, 10);
    EXPECT_EQ(document.quality, 300);
}

TEST_F(BalanceSheetPrint, InventoryLineWithoutAnInventoryAccountShowsZero) {
    books.EndingInventory = "1500";
    const QString inventory = printedLine("Mdse. Inventory");
    EXPECT_EQ(columnOf(inventory, "$0.00"), 35);
    EXPECT_EQ(inventory.lastIndexOf("$0.00") + 1, 71);
}

TEST_F(BalanceSheetPrint, TotalCountsTheCapitalStockOnceWhicheverEquitySetItLast) {
    const QString total = QStringLiteral("Total Liabilities & Stockholder's Equity");
    // As the equity tab leaves them: the last "C3" account and the "C3C" sum.
    books.BegCap = money("2000");
    books.YtdBegCap = money("2400");
    books.CapStock = money("5000");
    const QString afterTab = printedLine(total);
    EXPECT_EQ(columnOf(afterTab, "$7,800.00"), 57); // 300 + 2000 + 500 + 5000
    EXPECT_EQ(columnOf(afterTab, "$8,250.00"), 71); // 2400 + 350 + 500 + 5000

    // The printed equity statement sums every "C3" account and clears the capital stock.
    books.NetIncome = money("500");
    reports.cmdCapitalPrint_Click();
    EXPECT_EQ(books.BegCap, money("7009"));
    EXPECT_EQ(books.YtdBegCap, money("8409"));
    EXPECT_EQ(books.CapStock, Money());
    const QString afterPrint = printedLine(total);
    EXPECT_EQ(columnOf(afterPrint, "$7,809.00"), 57); // 300 + 7009 + 500 + 0
    EXPECT_EQ(columnOf(afterPrint, "$9,259.00"), 71); // 8409 + 350 + 500 + 0
}

} // namespace
