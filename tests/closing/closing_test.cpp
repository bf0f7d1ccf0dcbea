#include "closing/closing_rules.h"
#include "support/record_fixture.h"
#include "support/sample_books.h"

using namespace folio::closing;
using namespace folio::statements;

namespace {

// A closed copy of books in balance is in balance in both columns, keeps every account,
// starts its temporary accounts at zero and carries the ending retained earnings.
TEST(Closing, ClosedBooksStillBalance) {
    std::vector<AccountRecord> merch = merchandisingBooks();
    merch.insert(merch.begin() + 3, AccountRecord::blank());
    merch.push_back(account("Dividends", "D3", "1000", "1000"));
    merch.push_back(account("Preferred Stock", "C3C", "1000", "1000"));
    const CompanyInfo merchandising{{}, {}, Business::Merchandising, money("2500")};
    const CompanyInfo service{{}, {}, Business::Service, std::nullopt};
    for (const auto& [books, company] :
         {std::pair{merch, merchandising}, std::pair{serviceBooks(), service}}) {
        const Statements before = computeStatements(tableOf(books), company);
        for (ClosingKind kind : {ClosingKind::Monthly, ClosingKind::Yearly}) {
            const std::vector<AccountRecord> closed =
                closeBooks(before.table, kind, *before.closing);
            const Statements after = computeStatements(tableOf(closed), company);
            EXPECT_TRUE(after.trial.difference().isZero());
            EXPECT_EQ(closed.size(), before.trial.listed.size());
            for (const AccountRecord& a : closed) {
                if (a.type == u"C4" || a.type == u"D6" || a.type == u"D3") {
                    EXPECT_TRUE(a.current.isZero()) << a.name.toStdString();
                    EXPECT_EQ(a.ytd.isZero(), kind == ClosingKind::Yearly) << a.name.toStdString();
                }
                if (a.type == u"C3") {
                    EXPECT_EQ(a.current, before.equity->endingRetained.current);
                }
            }
        }
    }
}

TEST(Closing, AnAccountOfAnUnknownCodeIsCarriedUnchanged) {
    const AccountTable table = tableOf({account("Suspense", "Z9", "5", "6")});
    const auto closed = closeBooks(table, ClosingKind::Yearly, ClosingInputs{});
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(closed.front(), table.records.front());
}

} // namespace
