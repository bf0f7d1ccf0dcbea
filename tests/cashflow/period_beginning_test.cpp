#include "cashflow/cash_flow_source.h"
#include "journal/cash_flow_classes.h"
#include "journal/journal_fixture.h"
#include "support/sample_books.h"

using namespace folio::journal;
using namespace folio::statements;

namespace {

using PeriodBeginningTest = JournalFixture;

// Books never closed begin at their journal's opening entry; a balanced entry of
// equipment on account is listed as non-cash and kept out of investing.
TEST_F(PeriodBeginningTest, BooksNeverClosedBeginAtTheOpeningEntry) {
    std::vector<AccountRecord> records = serviceBooks();
    records.push_back(account("Equipment", "D1"));
    start(records);
    const int equipment = static_cast<int>(records.size());
    session.postBalanced({}, {{equipment, money("700"), {}}, {3, {}, money("700")}}).orThrow();
    post(1, "0", "100"); // cash paid out, its other side posted alone
    post(7, "100");

    const std::optional<PeriodBeginning> beginning = periodBeginningIn(store());
    ASSERT_TRUE(beginning);
    EXPECT_FALSE(beginning->closedCopy);
    EXPECT_EQ(beginning->records, records);
    EXPECT_EQ(beginning->entries.size(), 1u);

    const CompanyInfo company{{}, {}, Business::Service, std::nullopt};
    const CashFlowClasses classes{{QStringLiteral("Equipment"), CashFlowClass::Investing}};
    const Statements now = computeStatements(tableOf(readAccounts(books)), company);
    const auto flows = folio::cashflow::cashFlowsOf(now, company, &store(), classes);
    ASSERT_TRUE(flows.statement);
    EXPECT_TRUE(flows.statement->investing.empty());
    EXPECT_EQ(flows.statement->nonCash.size(), 1u);
    EXPECT_EQ(flows.statement->netIncome, money("-100"));
    EXPECT_EQ(flows.statement->netChange, money("-100"));
    EXPECT_TRUE(flows.statement->checkDifference().isZero());
}

// Where a closed copy begins, and what it was closed from, is checked month by month by the
// three closed months; the classes kept in a journal come back whatever their names hold.
TEST_F(PeriodBeginningTest, ClassesKeptComeBackWhateverTheNames) {
    start(serviceBooks());
    EXPECT_FALSE(cashFlowClassesIn(store()));
    const CashFlowClasses classes{{QStringLiteral("Supplies"), CashFlowClass::Investing},
                                  {QStringLiteral("Caf\u00e9, \"Bar\""), CashFlowClass::Cash}};
    keepCashFlowClasses(store(), classes);
    EXPECT_EQ(cashFlowClassesIn(store()), classes);
}

TEST(ClosedFromNote, ReadsThePathWithBlanksAndOf) {
    const auto note = closedFromNote(
        QStringLiteral("Yearly closing of /home/a b/books of 2026.dat on 2026-12-31T17:00:00"));
    ASSERT_TRUE(note);
    EXPECT_EQ(note->path, QStringLiteral("/home/a b/books of 2026.dat"));
    EXPECT_EQ(note->when, QStringLiteral("2026-12-31T17:00:00"));
    EXPECT_FALSE(closedFromNote(QStringLiteral("Opening balances")));
}

} // namespace
