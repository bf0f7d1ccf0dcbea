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
