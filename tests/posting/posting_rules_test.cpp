#include "data/account_table.h"
#include "posting/posting_rules.h"
#include "support/books_fixture.h"
#include <gtest/gtest.h>

namespace {

using PostingRules::Balances;

TEST(PostingRules, TypedAmountIsTheLeadingNumber) {
    const struct {
        const char* typed;
        const char* amount;
    } cases[] = {{"250", "250"}, {"1,500", "1"},      {"$50", "0"},         {"-50", "-50"},
                 {"", "0"},      {" 12.5kg", "12.5"}, {"0.00005", "0.0001"}};
    for (const auto& c : cases) {
        const auto amount = PostingRules::typedAmount(QString::fromLatin1(c.typed));
        ASSERT_TRUE(amount.has_value()) << c.typed;
        EXPECT_EQ(*amount, money(c.amount)) << c.typed;
    }
    EXPECT_FALSE(PostingRules::typedAmount(QStringLiteral("1e30")).has_value());
}

TEST(PostingRules, NormalBalanceSideDecidesTheDirection) {
    const struct {
        const char* type;
        const char* current;
        const char* ytd;
        const char* debit;
        const char* credit;
        const char* newCurrent;
        const char* newYtd;
    } cases[] = {
        {"D6", "1000", "5000", "100", "40", "1060", "5060"},
        {"C4", "1000", "5000", "100", "40", "940", "4940"},
        {"C3C", "10", "10", "0", "5", "15", "15"},
        {"X1", "10", "20", "100", "0", "10", "20"},
        {"d1", "10", "20", "100", "0", "10", "20"},
        {"", "10", "20", "100", "0", "10", "20"},
        {"D1", "10.1234", "0.005", "0", "0", "10.12", "0.01"},
        {"C2", "-0.005", "0", "0", "0", "-0.01", "0"},
        {"D1", "0", "0", "0.0049", "0", "0", "0"},
    };
    for (const auto& c : cases) {
        const Balances after =
            PostingRules::posted({money(c.current), money(c.ytd)}, QString::fromLatin1(c.type),
                                 money(c.debit), money(c.credit));
        EXPECT_EQ(after.current, money(c.newCurrent)) << c.type << " " << c.current;
        EXPECT_EQ(after.ytd, money(c.newYtd)) << c.type << " " << c.ytd;
    }
}

TEST(PostingRules, BalanceOutOfRangeThrows) {
    const Money huge = Money::fromRaw(INT64_MAX - 5);
    EXPECT_THROW(PostingRules::posted({huge, Money()}, QStringLiteral("D1"), money("1"), Money()),
                 MoneyOverflow);
    EXPECT_THROW(PostingRules::posted({Money(), huge}, QStringLiteral("C2"), Money(), money("1")),
                 MoneyOverflow);
}

TEST(PostingRules, ListingSkipsBlankRecordsAndStopsAtTheGridLimit) {
    const auto tableOf = [](std::vector<QString> names, bool truncated) {
        AccountTable table;
        for (const QString& name : names) {
            table.entries.push_back({name, QStringLiteral("D1"), Money(), Money()});
        }
        table.truncated = truncated;
        return table;
    };
    const auto middle = PostingRules::listing(tableOf({"Cash", "", "Sales", ""}, false));
    EXPECT_EQ(middle.records, (std::vector<int>{1, 3}));
    EXPECT_EQ(middle.accounts, 2);
    EXPECT_FALSE(middle.tooMany);

    std::vector<QString> fifty(50, QStringLiteral("Account"));
    const auto full = PostingRules::listing(tableOf(fifty, false));
    EXPECT_EQ(full.records.size(), 49u);
    EXPECT_EQ(full.records.back(), 49);
    EXPECT_TRUE(full.tooMany);

    fifty.back().clear();
    EXPECT_FALSE(PostingRules::listing(tableOf(fifty, false)).tooMany);
    EXPECT_TRUE(PostingRules::listing(tableOf(fifty, true)).tooMany);
}

} // namespace
