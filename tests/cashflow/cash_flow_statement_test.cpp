#include "reports/comparative.h"
#include "statements/cash_flow_statement.h"
#include "support/record_fixture.h"
#include "support/recording_page_printer.h"

using namespace folio::statements;

namespace {

TEST(CashFlowClass, DefaultsFollowTheNameAndTypeCode) {
    const struct {
        const char* name;
        const char* type;
        CashFlowClass expected;
    } cases[] = {
        {"Cash", "D1", CashFlowClass::Cash},
        {"Petty Cash", "D1", CashFlowClass::Cash},
        {"First Bank Checking", "D1", CashFlowClass::Cash},
        {"Cashews", "D1", CashFlowClass::CurrentAsset},
        {"Equipment", "D1", CashFlowClass::CurrentAsset},
        {"Accum Deprec Equip", "C1", CashFlowClass::NonCashAdjustment},
        {"Notes Payable", "C2", CashFlowClass::CurrentLiability},
        {"Capital Stock", "C3C", CashFlowClass::Financing},
        {"Dividends", "D3", CashFlowClass::Financing},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(defaultCashFlowClass(QString::fromLatin1(c.name), QString::fromLatin1(c.type)),
                  c.expected)
            << c.name;
    }
    EXPECT_FALSE(hasCashFlowClass(QStringLiteral("C4")));
    EXPECT_FALSE(hasCashFlowClass(QStringLiteral("D1I")));
}

// One month of a merchandising corporation, every figure worked out by hand: cash sales
// 6,000 and 4,000 on account, 3,000 collected, purchases of 5,000 on account, 4,500 paid
// on account, rent 1,200, depreciation 200, equipment 2,000 for cash and 1,000 on
// account, a note of 3,000 borrowed, dividends of 500; ending inventory 3,500.
TEST(CashFlowStatement, MerchandisingMonthWorkedByHand) {
    const struct {
        const char* name;
        const char* type;
        const char* beginning;
        const char* now;
    } accounts[] = {
        {"Cash", "D1", "10000", "13800"},
        {"Accounts Receivable", "D1", "2000", "3000"},
        {"Merchandise Inventory", "D1I", "3000", "3000"},
        {"Equipment", "D1", "8000", "11000"},
        {"Accum Deprec Equip", "C1", "1000", "1200"},
        {"Accounts Payable", "C2", "1500", "3000"},
        {"Notes Payable", "C2", "0", "3000"},
        {"Capital Stock", "C3C", "15000", "15000"},
        {"Retained Earnings", "C3", "5500", "5500"},
        {"Dividends", "D3", "0", "500"},
        {"Sales", "C4", "0", "10000"},
        {"Purchases", "D5", "0", "5000"},
        {"Rent Expense", "D6", "0", "1200"},
        {"Depreciation Expense", "D6", "0", "200"},
    };
    std::vector<AccountRecord> before;
    std::vector<AccountRecord> after;
    for (const auto& a : accounts) {
        before.push_back(account(a.name, a.type, a.beginning, a.beginning));
        after.push_back(account(a.name, a.type, a.now, a.now));
    }
    const CompanyInfo company{{}, {}, Business::Merchandising, money("3500")};
    const Statements now = computeStatements(tableOf(after), company);
    const Statements beginning =
        computeStatements(tableOf(before), beginningCompany(tableOf(before), company));
    const CashFlowClasses classes{{QStringLiteral("Equipment"), CashFlowClass::Investing},
                                  {QStringLiteral("Notes Payable"), CashFlowClass::Financing}};
    const std::vector<MovedEntry> entries{
        {{"Equipment", "D1", money("1000"), {}}, {"Accounts Payable", "C2", {}, money("1000")}},
        // cash moved: stays in the sections
        {{"Equipment", "D1", money("2000"), {}}, {"Cash", "D1", {}, money("2000")}},
    };
    const CashFlowStatement s = computeCashFlows(beginning, now, classes, entries);

    EXPECT_EQ(s.netIncome, money("4100")); // 10,000 - (3,000 + 5,000 - 3,500) - 1,400
    EXPECT_EQ(s.adjustments,
              (std::vector<CashFlowLine>{{"Increase in Accum Deprec Equip", money("200")}}));
    EXPECT_EQ(s.workingCapital, (std::vector<CashFlowLine>{
                                    {"Increase in Merchandise Inventory", money("-500")},
                                    {"Increase in Accounts Receivable", money("-1000")},
                                    {"Increase in Accounts Payable", money("500")},
                                }));
    EXPECT_EQ(s.operating, money("3300")); // 6,000 + 3,000 - 4,500 - 1,200
    EXPECT_EQ(s.investing, (std::vector<CashFlowLine>{{"Purchase of Equipment", money("-2000")}}));
    EXPECT_EQ(s.financing, (std::vector<CashFlowLine>{{"Increase in Notes Payable", money("3000")},
                                                      {"Dividends paid", money("-500")}}));
    EXPECT_EQ(s.netChange, money("3800"));
    EXPECT_EQ(s.cashAtBeginning, money("10000"));
    EXPECT_EQ(s.cashAtEnd, money("13800"));
    EXPECT_TRUE(s.checkDifference().isZero());
    EXPECT_EQ(s.nonCash, (std::vector<CashFlowLine>{
                             {"Equipment acquired through Accounts Payable", money("1000")}}));
}

// An entry taken back leaves nothing to list; an entry with a line of income is not
// left out (its other side is net income).
TEST(CashFlowStatement, NonCashEntriesTakenBackOrTouchingIncomeAreNotListed) {
    const std::vector<AccountRecord> records{account("Cash", "D1", "100", "100"),
                                             account("Capital Stock", "C3C", "100", "100")};
    const CompanyInfo company{{}, {}, Business::Service, std::nullopt};
    const Statements books = computeStatements(tableOf(records), company);
    const CashFlowClasses classes{{QStringLiteral("Truck"), CashFlowClass::Investing}};
    const MovedEntry bought{{"Truck", "D1", money("50"), {}},
                            {"Notes Payable", "C2", {}, money("50")}};
    const MovedEntry undone{{"Notes Payable", "C2", money("50"), {}},
                            {"Truck", "D1", {}, money("50")}};
    const MovedEntry bartered{{"Truck", "D1", money("50"), {}}, {"Fees", "C4", {}, money("50")}};
    const CashFlowStatement s = computeCashFlows(books, books, classes, {bought, undone, bartered});
    EXPECT_TRUE(s.nonCash.empty());
    EXPECT_TRUE(s.investing.empty());
    EXPECT_TRUE(s.netChange.isZero());
}

} // namespace

namespace {

TEST(Comparative, ChangeInPercentIsBlankWhereThePriorFigureIsZero) {
    const struct {
        const char* current;
        const char* prior;
        const char* percent;
    } cases[] = {
        {"110", "100", "10.0%"},
        {"0", "100", "-100.0%"},
        {"100", "0", ""},
        {"-50", "200", "-125.0%"},
        {"1", "3", "-66.7%"},
        {"50", "-100", "150.0%"},
        {"92233720368547", "-92233720368547", "200.0%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folio::reports::changePercent(money(c.current), money(c.prior)),
                  QString::fromLatin1(c.percent))
            << c.current << " " << c.prior;
    }
}

} // namespace

namespace {

// The longest total of the balance sheet keeps its whole words before the amounts; a longer
// label is printed whole, its amounts on the row below.
TEST(Comparative, PrintedLabelsStayWholeBeforeTheAmounts) {
    using folio::reports::StatementRow;
    const folio::reports::Comparative c{
        QStringLiteral("Balance Sheet"), QStringLiteral("Prior period: a.dat"),
        folio::reports::compareRows(
            {{StatementRow::Kind::Detail, QStringLiteral("Long-Term Notes Payable to Stockholder"),
              money("20000")},
             {StatementRow::Kind::Total, QStringLiteral("Total Liabilities & Stockholders' Equity"),
              money("130620.75")},
             {StatementRow::Kind::Detail,
              QStringLiteral("Equipment acquired through Accounts Payable"), money("2600")}},
            {})};
    folio::reports::RecordedDocument document;
    folio::reports::RecordingPagePrinter page(document);
    for (const auto& line : folio::reports::comparativeLayout({QStringLiteral("Co"), {}}, c)) {
        page.printLine(line);
    }
    const QStringList lines = document.lines();
    EXPECT_EQ(
        lines.filter(QStringLiteral("Total Liabilities & Stockholders' Equity $130,620.75")).size(),
        1)
        << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("  Long-Term Notes Payable to Stockholder ")).size(), 1);
    const auto longer =
        lines.indexOf(QStringLiteral("  Equipment acquired through Accounts Payable"));
    ASSERT_GE(longer, 0) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.value(longer + 1).trimmed().startsWith(QStringLiteral("$2,600.00")));
}

} // namespace
