#include "statements/balance_sheet.h"
#include "support/books_fixture.h"
#include "ui/flex_grid.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

TEST(BalanceSheetFigures, AssetsLiabilitiesAndCapitalStock) {
    const struct {
        const char* what;
        std::vector<AccountEntry> entries;
        const char* endingInventory;
        const char* assets;
        const char* liabilities;
        const char* stock;
    } cases[] = {
        {"inventory replaced by its ending value",
         {entry("Cash", "D1", "5000", "99"), entry("Merchandise Inventory", "D1I", "1200"),
          entry("Accum Deprec", "C1", "800")},
         "1500",
         "5700",
         "0",
         "0"},
        {"no D1I: ending inventory ignored",
         {entry("Cash", "D1", "5000"), entry("Accum Deprec", "C1X", "800")},
         "1500",
         "4200",
         "0",
         "0"},
        {"last D1I is the inventory, every D1I an asset",
         {entry("Inv A", "D1I", "100"), entry("Inv B", "D1I", "300")},
         "50",
         "150",
         "0",
         "0"},
        {"liabilities summed",
         {entry("Notes Payable", "C2", "300"), entry("Accounts Payable", "C2", "200")},
         "0",
         "0",
         "500",
         "0"},
        {"capital stock is the last C3C",
         {entry("Stock A", "C3C", "1000"), entry("Stock B", "C3C", "500"),
          entry("RE", "C3", "7000")},
         "0",
         "0",
         "0",
         "500"},
        {"ytd balances take no part", {entry("Cash", "D1", "0", "123")}, "0", "0", "0", "0"},
    };
    for (const auto& c : cases) {
        const BalanceSheetFigures f =
            computeBalanceSheet(AccountTable{c.entries, false}, money(c.endingInventory));
        EXPECT_EQ(f.assets, money(c.assets)) << c.what;
        EXPECT_EQ(f.liabilities, money(c.liabilities)) << c.what;
        EXPECT_EQ(f.capitalStock, money(c.stock)) << c.what;
        EXPECT_EQ(f.listed.size(), c.entries.size()) << c.what;
    }
}

TEST(BalanceSheetFigures, ListsOneRowPerNamedAccountInFileOrder) {
    const AccountTable table{{entry("Cash", "D1", "1"), entry("", "", "0"),
                              entry("Sales", "C4", "2"), entry("", "", "0")},
                             false};
    const BalanceSheetFigures f = computeBalanceSheet(table, Money());
    ASSERT_EQ(f.listed.size(), 2u);
    EXPECT_EQ(f.listed[1].name, QString()); // a blank inside the file shows as an empty row
    EXPECT_FALSE(needsEndingInventory(table));
}

class BalanceSheetTabTest : public BooksFixture {
  protected:
    void enter(const QString& endCap = QStringLiteral("$9,000.00")) {
        setText("txtEndCap", endCap);
        showTab(6);
    }
};

TEST_F(BalanceSheetTabTest, ShowsFiguresAndCopiesEndingRetainedEarnings) {
    openBooks({account("Cash", "D1", "5000", "20000"),
               account("Merchandise Inventory", "D1I", "1200"),
               account("Accum Deprec Equip", "C1", "800"), account("Notes Payable", "C2", "300"),
               account("Accounts Payable", "C2", "200"), account("Capital Stock", "C3C", "1000"),
               account("Capital Stock B", "C3C", "500"), AccountRecord::blank()});
    window->books().EndingInventory = QStringLiteral("1500");
    enter("($1,234.50)");
    EXPECT_EQ(text("txtTotalCurrentAssets"), "$5,700.00");
    EXPECT_EQ(text("txtTotalCurrentLiabilities"), "$500.00");
    EXPECT_EQ(text("txtCapital"), "($1,234.50)");
    EXPECT_EQ(text("txtStock"), "$500.00");
    EXPECT_TRUE(dialogs.messages().isEmpty());

    auto* grid = find<FlexGrid>("MSFlexGrid2");
    EXPECT_EQ(grid->cell(0, 0), "AN.");
    EXPECT_EQ(grid->cell(0, 4), "Year To date Balance");
    EXPECT_EQ(grid->cell(1, 0), "1");
    EXPECT_EQ(grid->cell(1, 1), "Cash");
    EXPECT_EQ(grid->cell(1, 2), "D1");
    EXPECT_EQ(grid->cell(1, 3), "$5,000.00");
    EXPECT_EQ(grid->cell(1, 4), "$20,000.00");
    EXPECT_EQ(grid->cell(7, 1), "Capital Stock B");
    EXPECT_EQ(grid->cell(8, 0), QString());
    EXPECT_EQ(window->books().RecordCount, 7);

    // A shorter file afterwards leaves no rows of the longer listing behind.
    writeAccounts(path("books.dat"), {account("Cash", "D1", "10")});
    showTab(2);
    enter();
    EXPECT_EQ(grid->cell(1, 3), "$10.00");
    EXPECT_EQ(grid->cell(2, 1), QString());
    EXPECT_EQ(grid->cell(7, 0), QString());
    EXPECT_EQ(text("txtCapital"), "$9,000.00");
}

TEST_F(BalanceSheetTabTest, RefusalsLeaveTheTabAsItWas) {
    openBooks({account("Cash", "D1", "5000"), account("Inventory", "D1I", "1200")});
    window->books().EndingInventory = QStringLiteral("1500");
    enter();
    const QString assets = text("txtTotalCurrentAssets");
    writeAccounts(path("books.dat"), {account("Cash", "D1", "1"), account("Stock", "D1I", "2")});

    const struct {
        const char* endCap;
        const char* inventory;
        const char* message;
        int tabAfter; // an unreadable inventory sends the user to where it is entered
    } cases[] = {
        {"", "1500", "You must complete the stockholders' equity section first", 6},
        {"$1.00", "lots", "The ending inventory \"lots\" is not a number.", 7},
    };
    for (const auto& c : cases) {
        dialogs.reset();
        showTab(2);
        window->books().EndingInventory = QString::fromLatin1(c.inventory);
        enter(c.endCap);
        EXPECT_EQ(text("txtTotalCurrentAssets"), assets) << c.endCap;
        EXPECT_EQ(text("txtCapital"), "$9,000.00") << c.endCap;
        EXPECT_EQ(find<FlexGrid>("MSFlexGrid2")->cell(2, 1), "Inventory") << c.endCap;
        ASSERT_EQ(dialogs.messages().size(), 1) << c.endCap;
        EXPECT_TRUE(dialogs.messages()[0].startsWith(c.message)) << c.endCap;
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(window->tabControl()->currentIndex(), c.tabAfter) << c.endCap;
    }
}

TEST_F(BalanceSheetTabTest, MoreThan49AccountsShowsTheFirst49WithOneMessage) {
    std::vector<AccountRecord> records(50, account("Cash", "D1", "1"));
    records.push_back(AccountRecord::blank());
    openBooks(records);
    enter();
    EXPECT_EQ(dialogs.messages(), QStringList{tooManyAccountsMessage()});
    EXPECT_EQ(text("txtTotalCurrentAssets"), "$49.00");
    EXPECT_EQ(find<FlexGrid>("MSFlexGrid2")->cell(49, 0), "49");
}

TEST_F(BalanceSheetTabTest, ControlsCarryTheirCaptionsAndLabels) {
    EXPECT_EQ(find<QCheckBox>("chkMonthly")->text(), "Close monthly books");
    EXPECT_EQ(find<QCheckBox>("chkYearly")->text(), "Close yearly books");
    EXPECT_EQ(find<QPushButton>("cmdPrintBs")->text(), "&Print");
    const struct {
        const char* box;
        const char* name;
    } labels[] = {{"txtTotalCurrentAssets", "Assets"},
                  {"txtTotalCurrentLiabilities", "Liabilities"},
                  {"txtCapital", "Retained Earnings"},
                  {"txtStock", "Capital Stock"}};
    for (const auto& l : labels) {
        EXPECT_EQ(find<QLineEdit>(l.box)->accessibleName(), l.name);
    }
}

} // namespace
