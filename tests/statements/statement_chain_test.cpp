#include "statements/statement_chain.h"
#include "support/record_fixture.h"
#include "support/sample_books.h"
#include <algorithm>
#include <random>

using namespace folio::statements;

namespace {

CompanyInfo merchandising(const char* ending = "2500") {
    return {QStringLiteral("Kestrow Supply Co."), QStringLiteral("3/31/2026"),
            Business::Merchandising, money(ending)};
}

CompanyInfo service() {
    return {QStringLiteral("Vorelind Services"), QStringLiteral("3/31/2026"), Business::Service,
            std::nullopt};
}

// Books in balance give a balance sheet in balance, in any order of their records, with
// extra accounts of a code wherever they stand: a second purchases account, dividends, a
// capital stock account after retained earnings.
TEST(StatementChain, BalanceSheetBalancesInAnyOrder) {
    std::vector<AccountRecord> merch = merchandisingBooks();
    merch.push_back(account("Freight In", "D5", "400", "400"));
    merch.push_back(account("Dividends", "D3", "1000", "1000"));
    merch.push_back(account("Preferred Stock", "C3C", "1400", "1400"));
    merch.push_back(AccountRecord::blank());
    std::vector<AccountRecord> serv = serviceBooks();
    serv.insert(serv.begin() + 2, AccountRecord::blank());
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(merch.begin(), merch.end(), random);
        std::shuffle(serv.begin(), serv.end(), random);
        for (const auto& [books, company] :
             {std::pair{merch, merchandising()}, std::pair{serv, service()}}) {
            const Statements s = computeStatements(tableOf(books), company);
            ASSERT_EQ(s.missing, Missing::Nothing);
            EXPECT_TRUE(s.trial.difference().isZero());
            EXPECT_EQ(s.balance->totalAssets, s.balance->totalLiabilitiesAndEquity);
        }
        const Statements s = computeStatements(tableOf(merch), merchandising());
        EXPECT_EQ(s.income->purchases.current, money("6400"));
        EXPECT_EQ(s.equity->beginningRetained.current, money("7000"));
        EXPECT_EQ(s.equity->capitalStock.current, money("11400"));
        EXPECT_EQ(s.equity->endingRetained.current, money("12550.25")); // 7000 + 6550.25 - 1000
        EXPECT_EQ(static_cast<int>(s.trial.listed.size()), 17);
    }
}

TEST(StatementChain, SaysWhichInputIsMissing) {
    const auto withInventory = [] {
        auto books = serviceBooks();
        books.push_back(account("Supplies Inventory", "D1I", "10"));
        return tableOf(books);
    };
    const struct {
        AccountTable table;
        CompanyInfo company;
        Missing missing;
    } cases[] = {
        {tableOf(serviceBooks()), CompanyInfo{}, Missing::Business},
        {tableOf(merchandisingBooks()), merchandising(), Missing::Nothing},
        {tableOf(merchandisingBooks()),
         {{}, {}, Business::Merchandising, {}},
         Missing::EndingInventory},
        {tableOf(serviceBooks()), service(), Missing::Nothing},
        // A service business takes no stock: its inventory account stands as recorded.
        {withInventory(), service(), Missing::Nothing},
    };
    for (const auto& c : cases) {
        const Statements s = computeStatements(c.table, c.company);
        EXPECT_EQ(s.missing, c.missing);
        EXPECT_EQ(s.balance.has_value(), c.missing == Missing::Nothing);
    }
    EXPECT_EQ(computeStatements(withInventory(), service()).balance->inventory,
              Amounts::both(money("10")));
}

} // namespace
