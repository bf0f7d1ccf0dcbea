#include "reports/comparative.h"
#include "statements/cash_flow_statement.h"
#include "support/record_fixture.h"
#include "support/recording_page_printer.h"

using namespace folio::statements;

namespace {

TEST(CashFlowClass, DefaultsFollowTheNameAndTypeCode) {
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/default_classes.txt")) {
        EXPECT_EQ(defaultCashFlowClass(c[0], c[1]), cashFlowClassTitled(c[2]))
            << c.join('|').toStdString();
    }
    EXPECT_FALSE(hasCashFlowClass(QStringLiteral("C4")));
    EXPECT_FALSE(hasCashFlowClass(QStringLiteral("D1I")));
}

// One month of a merchandising corporation, every figure worked out by hand: cash sales
// 6,000 and 4,000 on account, 3,000 collected, purchases of 5,000 on account, 4,500 paid
// on account, rent 1,200, depreciation 200, equipment 2,000 for cash and 1,000 on
// account, a note of 3,000 borrowed, dividends of 500; ending inventory 3,500.
TEST(CashFlowStatement, MerchandisingMonthWorkedByHand) {
    std::vector<AccountRecord> before;
    std::vector<AccountRecord> after;
    for (const AccountRecord& a : readChart(FOLIO_TEST_DATA "/merchandising_month.chart")) {
        before.push_back({a.name, a.type, a.current, a.current});
        after.push_back({a.name, a.type, a.ytd, a.ytd});
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

TEST(Comparative, ChangeInPercentIsBlankWhereThePriorFigureIsZero) {
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/change_percent.txt")) {
        EXPECT_EQ(folio::reports::changePercent(money(qPrintable(c[0])), money(qPrintable(c[1]))),
                  c.value(2))
            << c.join('|').toStdString();
    }
}

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
