#include "data/company_values.h"
#include "data/file_faults.h"
#include "report_fixture.h"

namespace {

using ReportPrinterTest = ReportFixture;

const QString kProblem = QStringLiteral("There was a problem printing to your printer!");

std::vector<AccountRecord> merchandisingBooks() {
    return {account("Sales", "C4", "10000", "10000"),
            account("Merchandise Inventory", "D1I", "2000", "2000"),
            account("Purchases", "D5", "6000", "6000"),
            account("Purchase Returns & Allow.", "C5", "300", "300"),
            account("Miscellaneous Expense", "D6", "1200", "1200")};
}

TEST_F(ReportPrinterTest, CancelledDialogPrintsNothing) {
    openBooks(merchandisingBooks());
    books.BusinessType = "Mdse";
    books.EndingInventory = "2500";
    books.NetIncome = money("99");
    books.YtdNetIncome = money("99");
    window.boxes["txtEndCap"] = "$1.00";

    reports.cmdPrint_Click();
    EXPECT_EQ(dialogs.messages(), QStringList({kProblem}));
    EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::None);

    dialogs.reset();
    reports.cmdIsPrint_Click();
    reports.cmdCapitalPrint_Click();
    reports.cmdPrintBs_Click();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_EQ(dialogs.shown.size(), 3u); // three print dialogs, nothing else
    EXPECT_TRUE(document.pages.empty());
    EXPECT_EQ(books.NetIncome, Money());
    EXPECT_EQ(books.YtdNetIncome, Money());
}

TEST_F(ReportPrinterTest, EachCopyIsOnePageOfOneDocument) {
    openBooks({account("Cash", "D1", "100", "100"), account("Sales", "C4", "100", "100")});
    books.CompanyName = "Acme Company";
    answerPrint(3);
    reports.cmdPrint_Click();
    ASSERT_EQ(document.pages.size(), 3u);
    EXPECT_EQ(document.pages[1], document.pages[0]);
    EXPECT_EQ(document.pages[2], document.pages[0]);
    EXPECT_EQ(document.pages[0].first(), QString(39, u' ') + "Acme Company");
    EXPECT_TRUE(document.ended);
    EXPECT_EQ(document.fontName, "Times New Roman");
    EXPECT_EQ(document.fontSize, 10);
    EXPECT_EQ(document.quality, 300);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ReportPrinterTest, CompanyNameIsCentredPerLayout) {
    openBooks({});
    books.EndingInventory = "0";
    const struct {
        const char* name;
        const char* business;
        void (ReportPrinter::*handler)();
        int column;
    } cases[] = {
        {"Twelve Chars", "Service", &ReportPrinter::cmdPrint_Click, 40},
        {"Eleven Char", "Service", &ReportPrinter::cmdPrint_Click, 40},
        {"Twelve Chars", "Mdse", &ReportPrinter::cmdIsPrint_Click, 45},
        {"Twelve Chars", "Service", &ReportPrinter::cmdIsPrint_Click, 38},
        {"Twelve Chars", "Service", &ReportPrinter::cmdCapitalPrint_Click, 40},
        {"Twelve Chars", "Service", &ReportPrinter::cmdPrintBs_Click, 40},
    };
    answerPrint(1);
    for (const auto& c : cases) {
        document = {};
        books.CompanyName = c.name;
        books.BusinessType = c.business;
        (reports.*c.handler)();
        ASSERT_FALSE(document.pages.empty()) << c.name;
        EXPECT_EQ(columnOf(document.pages[0].first(), c.name), c.column) << c.business;
    }
}

TEST_F(ReportPrinterTest, MerchandisingCostOfGoodsSold) {
    openBooks(merchandisingBooks());
    books.BusinessType = "Mdse";
    books.EndingInventory = "2500";
    answerPrint(2);
    reports.cmdIsPrint_Click();
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_EQ(document.pages[0], document.pages[1]);
    const QStringList page = document.pages[0];

    const QString net = lineStarting(page, "Net Purchases");
    EXPECT_EQ(columnOf(net, "$5,700.00"), 35);
    EXPECT_EQ(columnOf(lineStarting(page, "Cost of Mdse. Available"), "$7,700.00"), 35);
    const QString less = lineStarting(page, "Less Ending Inventory");
    EXPECT_EQ(columnOf(less, "$2,500.00"), 35);
    EXPECT_EQ(columnOf(less.mid(40), "$2,500.00"), 50 - 40);
    EXPECT_EQ(columnOf(lineStarting(page, "Cost of Goods Sold"), "$5,200.00"), 67);
    const QString expense = lineStarting(page, "Miscellaneous Expens");
    EXPECT_FALSE(expense.contains("Expense"));
    EXPECT_EQ(columnOf(lineStarting(page, "Net Income"), "$3,600.00"), 67);
    EXPECT_EQ(books.NetIncome, money("3600"));
    EXPECT_EQ(books.YtdNetIncome, money("3600"));
    EXPECT_EQ(books.CurrentRecord, 1);
}

TEST_F(ReportPrinterTest, NetSalesOfZeroPrintsByItsMask) {
    openBooks({account("Sales", "C4", "0", "0")});
    for (const char* business : {"Mdse", "Service"}) {
        document = {};
        books.BusinessType = business;
        answerPrint(1);
        reports.cmdIsPrint_Click();
        const QString line = lineStarting(document.lines(), "Net Sales");
        EXPECT_TRUE(line.contains("$0.00")) << business;
        EXPECT_TRUE(line.endsWith(" .00")) << line.toStdString();
    }
}

TEST_F(ReportPrinterTest, SalesReturnsLinesShowEachAccount) {
    openBooks({account("Sales", "C4", "1000", "1000"), account("Returns A", "D4", "100", "100"),
               account("Returns B", "D4", "50", "50"), account("Rent", "D6", "200", "200")});
    books.BusinessType = "Service";
    answerPrint(1);
    reports.cmdIsPrint_Click();
    const QStringList page = document.lines();
    EXPECT_TRUE(lineStarting(page, "Returns A").contains("$100.00"));
    EXPECT_TRUE(lineStarting(page, "Returns B").contains("$50.00"));
    EXPECT_TRUE(lineStarting(page, "Net Sales").contains("$850.00"));
    // The service net income comes from the revenue, not the net sales.
    EXPECT_TRUE(lineStarting(page, "Net Income").contains("$800.00"));
    EXPECT_EQ(books.NetIncome, money("800"));
}

TEST_F(ReportPrinterTest, EquityTotalsAndKeptValues) {
    openBooks({account("Retained Earnings", "C3", "2000", "3000"),
               account("Capital Stock", "C3C", "5000", "5000")});
    books.NetIncome = money("500");
    books.CapStock = money("5000");
    books.YtdCapStock = money("5000");
    window.boxes["txtCapStock"] = "$5,000.00";
    window.boxes["txtEndCap"] = "$2,500.00";
    window.boxes["txtYtdEndCap"] = "($100.00)";
    answerPrint(1);
    reports.cmdCapitalPrint_Click();
    const QString total = lineStarting(document.lines(), "Total Stockholders' Equity");
    EXPECT_EQ(columnOf(total, "$7,500.00"), 35);
    EXPECT_EQ(columnOf(total, "$4,900.00"), 55); // ytd capital stock + ytd ending earnings
    EXPECT_EQ(columnOf(lineStarting(document.lines(), "Retained Earnings"), "-$100.00"), 55);
    EXPECT_EQ(books.CapStock, Money());
    EXPECT_EQ(books.BegCap, money("7000"));
    EXPECT_EQ(books.YtdBegCap, money("8000"));
    EXPECT_EQ(document.settingCalls, 0); // keeps whatever font the printer has
}

TEST_F(ReportPrinterTest, BalanceSheetAssetsAndEquity) {
    openBooks({account("Cash", "D1", "5000", "5000"), account("Inventory", "D1I", "1200", "1200"),
               account("Accum Deprec Equip", "C1", "800", "900"),
               account("Accounts Payable", "C2", "-75", "300")});
    books.EndingInventory = "1500";
    books.BegCap = money("1000");
    books.YtdBegCap = money("2000");
    window.boxes["txtNI"] = "$10.00";
    window.boxes["txtYtdNI"] = "$20.00";
    answerPrint(1);
    reports.cmdPrintBs_Click();
    const QStringList page = document.lines();
    EXPECT_EQ(columnOf(lineStarting(page, "Total Assets - Accum Dep"), "$5,700.00"), 35);
    const QString inventory = lineStarting(page, "Mdse. Inventory");
    EXPECT_EQ(columnOf(inventory, "$1,500.00"), 35);
    EXPECT_EQ(inventory.lastIndexOf("$1,500.00") + 1, 71);
    EXPECT_TRUE(lineStarting(page, "Inventory").isEmpty()); // the D1I account is not listed
    EXPECT_EQ(columnOf(lineStarting(page, "Accum Deprec Equip"), "$900.00"), 45);
    EXPECT_EQ(columnOf(lineStarting(page, "Accounts Payable"), "-$75.00"), 35);
    const QString total = lineStarting(page, "Total Liabilities &");
    EXPECT_EQ(columnOf(total, "$935.00"), 57);   // -75 + 1000 + 10
    EXPECT_EQ(columnOf(total, "$2,320.00"), 71); // 2000 + 300 + 20
    EXPECT_EQ(books.CurrentRecord, 1);

    document = {};
    books.EndingInventory.reset(); // a service business
    reports.cmdPrintBs_Click();
    EXPECT_TRUE(lineStarting(document.lines(), "Mdse. Inventory").isEmpty());
    EXPECT_TRUE(lineStarting(document.lines(), "Total Assets").contains("$4,200.00"));
}

TEST_F(ReportPrinterTest, EndingInventoryThatIsNoNumberPrintsNothing) {
    openBooks(merchandisingBooks());
    books.BusinessType = "Mdse";
    books.EndingInventory = "lots";
    answerPrint(1);
    for (auto handler : {&ReportPrinter::cmdIsPrint_Click, &ReportPrinter::cmdPrintBs_Click}) {
        dialogs.reset();
        (reports.*handler)();
        EXPECT_EQ(dialogs.messages(), QStringList({notANumberMessage("ending inventory", "lots")}));
        EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::None);
    }
    EXPECT_TRUE(document.pages.empty());
}

TEST_F(ReportPrinterTest, ReadFailureIsReportedAndRetried) {
    openBooks({account("Cash", "D1", "100", "100")});
    books.EndingInventory = "0";
    answerPrint(1);
    for (auto handler : {&ReportPrinter::cmdPrint_Click, &ReportPrinter::cmdIsPrint_Click,
                         &ReportPrinter::cmdCapitalPrint_Click, &ReportPrinter::cmdPrintBs_Click}) {
        // First the user gives up: nothing is printed.
        dialogs.reset();
        document = {};
        FileFaults::failAt(1, 53);
        (reports.*handler)();
        EXPECT_EQ(dialogs.messages(), QStringList({"File not Found"}));
        EXPECT_EQ(dialogs.beeps, 1);
        EXPECT_TRUE(document.pages.empty());
        // Then OK tries again and the printout goes on.
        dialogs.reset();
        dialogs.failureAnswers = {true};
        FileFaults::failAt(2, 57);
        (reports.*handler)();
        EXPECT_EQ(dialogs.messages(), QStringList({"Device I/O Error"}));
        EXPECT_EQ(document.pages.size(), 1u);
    }
}

TEST_F(ReportPrinterTest, PrinterFailureDropsTheDocument) {
    openBooks({account("Cash", "D1", "100", "100")});
    books.EndingInventory = "0";
    answerPrint(2);
    failOnLine = 12; // on the second copy
    reports.cmdPrint_Click();
    EXPECT_TRUE(document.aborted);
    EXPECT_FALSE(document.ended);
    EXPECT_EQ(dialogs.messages(), QStringList({kProblem}));

    for (auto handler : {&ReportPrinter::cmdIsPrint_Click, &ReportPrinter::cmdCapitalPrint_Click,
                         &ReportPrinter::cmdPrintBs_Click}) {
        dialogs.reset();
        document = {};
        (reports.*handler)();
        EXPECT_TRUE(document.aborted);
        EXPECT_FALSE(document.ended);
        EXPECT_TRUE(dialogs.messages().isEmpty());
    }
}

TEST_F(ReportPrinterTest, MoreThanFiftyAccountsPrintTheFirstFifty) {
    std::vector<AccountRecord> many;
    for (int i = 1; i <= 52; ++i) {
        many.push_back(account(QStringLiteral("Account %1").arg(i), "D1", "1", "1"));
    }
    openBooks(many);
    answerPrint(1);
    reports.cmdPrint_Click();
    EXPECT_EQ(dialogs.messages(), QStringList({tooManyToPrintMessage()}));
    const QStringList page = document.lines();
    EXPECT_FALSE(lineStarting(page, "Account 50").isEmpty());
    EXPECT_TRUE(lineStarting(page, "Account 51").isEmpty());
    EXPECT_EQ(columnOf(page.last(), "50.00"), 35);
}

TEST_F(ReportPrinterTest, TrialBalanceReadsPastAnEmptyName) {
    openBooks({account("Cash", "D1", "10", "10"), account("", "D1", "5", "5"),
               account("Accum Dep", "C1", "3", "3"), account("Misc Thing", "X9", "1", "1")});
    answerPrint(1);
    reports.cmdPrint_Click();
    const QStringList page = document.lines();
    EXPECT_EQ(columnOf(lineStarting(page, "Accum Dep"), "$3.00"), 50);
    EXPECT_TRUE(lineStarting(page, "Misc Thing").isEmpty());
    EXPECT_EQ(columnOf(page.last(), "15.00"), 35);
    EXPECT_EQ(columnOf(page.last(), "3.00"), 50);
    EXPECT_EQ(books.CurrentRecord, 5);
}

TEST_F(ReportPrinterTest, AmountsTooLargeToAddUpAreReportedBeforeTheDialog) {
    openBooks({account("Cash", "D1", "900000000000000", "1"),
               account("Bank", "D1", "900000000000000", "1")});
    answerPrint(1);
    reports.cmdPrint_Click();
    reports.cmdPrintBs_Click();
    EXPECT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages().first().contains("too large"));
    EXPECT_TRUE(document.pages.empty());
    for (const ShownDialog& shown : dialogs.shown) {
        EXPECT_NE(shown.kind, ShownDialog::Kind::Print);
    }
}

} // namespace
