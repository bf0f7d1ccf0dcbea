#include "accounts/record_rules.h"
#include "accounts/setup_rules.h"
#include "support/books_fixture.h"
#include <gtest/gtest.h>

namespace {

TEST(SetupRules, FindByNameGivesTheLowestWholeNameMatch) {
    const std::vector<AccountRecord> records = {account("Cash", "D1"), account(" bank ", "D1"),
                                                account("BANK", "D1"), AccountRecord()};
    const auto read = [&records](int i) { return records[static_cast<std::size_t>(i - 1)]; };
    const struct {
        const char* upperAnswer;
        int count;
        std::optional<int> found;
    } cases[] = {
        {"CASH", 4, 1},
        {"BANK", 4, 2},
        {"BANK", 1, std::nullopt},
        {" BANK", 4, std::nullopt},
        {"CAS", 4, std::nullopt},
        {"", 4, 4}, // the unwritten record has an empty name
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetupRules::findByName(c.count, read, c.upperAnswer), c.found) << c.upperAnswer;
    }
}

TEST(SetupRules, DeletionKeepsTheNumberUnlessItFallsOffTheEnd) {
    using P = SetupRules::Position;
    const struct {
        P before;
        P after;
    } cases[] = {
        {{2, 4}, {2, 3}},
        {{4, 4}, {3, 3}},
        {{1, 1}, {1, 1}},
        {{1, 2}, {1, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetupRules::afterDelete(c.before), c.after);
    }
}

TEST(SetupRules, ListTextsGiveCodesAndStandardNames) {
    EXPECT_EQ(SetupRules::typeCodeOf("C3C = Common Stock"), "C3C");
    EXPECT_EQ(SetupRules::typeCodeOf("C3 = Retained Earnings"), "C3");
    EXPECT_EQ(SetupRules::typeCodeOf("C3C"), std::nullopt);
    EXPECT_TRUE(SetupRules::isStandardName("Federal Unemp. Tax Payable"));
    EXPECT_FALSE(SetupRules::isStandardName("cash"));
    EXPECT_EQ(SetupRules::notFoundMessage("XYZ"), "Name XYZnot found!");
}

TEST(RecordRules, LeavingTheBalanceBoxShowsWhatTheRecordHolds) {
    const Money held = money("700");
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"250", "$250.00"}, {"0.004", "$0.00"}, {"12.345", "$12.35"},
        {"0", "$700.00"},   {"-3", "$700.00"},  {"1E+40", "$700.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RecordRules::shownAfterLeaving(c.text, held), c.shown) << c.text;
    }
    EXPECT_EQ(RecordRules::shownAfterLeaving("0", Money()), QString());
}

} // namespace
