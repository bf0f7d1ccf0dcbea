#include "closing/closing_rules.h"
#include "support/books_fixture.h"

namespace {

// The month-end file of the examples: five accounts and the blank record of a posting.
std::vector<AccountEntry> monthEnd() {
    return {entry("Cash", "D1", "5000", "20000"),
            entry("Sales", "C4", "3000", "12000"),
            entry("Rent Expense", "D6", "1000", "4000"),
            entry("Retained Earnings", "C3", "7000", "21000"),
            entry("Merchandise Inventory", "D1I", "1200", "800"),
            entry("", "", "0", "0")};
}

ClosingAmounts amounts(std::optional<Money> inventory = money("1500")) {
    return {money("9000"), money("30000"), inventory};
}

struct Expected {
    const char* name;
    const char* current;
    const char* ytd;
};

void expectRecords(const std::vector<AccountRecord>& records, const std::vector<Expected>& want,
                   const char* what) {
    ASSERT_EQ(records.size(), want.size()) << what;
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(records[i].trimmedName(), want[i].name) << what << " #" << i;
        EXPECT_EQ(records[i].CurrentBalance, money(want[i].current)) << what << " #" << i;
        EXPECT_EQ(records[i].YtdBalance, money(want[i].ytd)) << what << " #" << i;
    }
}

TEST(ClosingRules, MonthAndYearEndOfTheSameFile) {
    const ClosedBooks monthly = closeBooks(monthEnd(), ClosingKind::Monthly, amounts());
    EXPECT_FALSE(monthly.missing);
    expectRecords(monthly.records,
                  {{"Cash", "5000", "20000"},
                   {"Sales", "0", "12000"},
                   {"Rent Expense", "0", "4000"},
                   {"Retained Earnings", "9000", "21000"},
                   {"Merchandise Inventory", "1500", "800"}},
                  "monthly");
    EXPECT_EQ(monthly.records[1].trimmedType(), "C4");

    const ClosedBooks yearly = closeBooks(monthEnd(), ClosingKind::Yearly, amounts());
    expectRecords(yearly.records,
                  {{"Cash", "5000", "20000"},
                   {"Sales", "0", "0"},
                   {"Rent Expense", "0", "0"},
                   {"Retained Earnings", "9000", "30000"},
                   {"Merchandise Inventory", "1500", "1500"}},
                  "yearly");
}

TEST(ClosingRules, EveryCodeByWholeCodeComparison) {
    const struct {
        const char* type;
        const char* monthCurrent;
        const char* monthYtd;
        const char* yearCurrent;
        const char* yearYtd;
    } cases[] = {
        {"D1", "10", "20", "10", "20"},
        {"C1", "10", "20", "10", "20"},
        {"D1I", "1500", "20", "1500", "1500"},
        {"C2", "10", "20", "10", "20"},
        {"C3", "9000", "20", "9000", "30000"},
        {"C3C", "10", "20", "10", "20"},
        {"D3", "0", "0", "0", "0"},
        {"C4", "0", "20", "0", "0"},
        {"D4", "0", "20", "0", "0"},
        {"D5", "0", "20", "0", "0"},
        {"C5", "0", "20", "0", "0"},
        {"D6", "0", "20", "0", "0"},
    };
    for (const auto& c : cases) {
        const std::vector<AccountEntry> entries{entry("Account", c.type, "10", "20")};
        expectRecords(closeBooks(entries, ClosingKind::Monthly, amounts()).records,
                      {{"Account", c.monthCurrent, c.monthYtd}}, c.type);
        expectRecords(closeBooks(entries, ClosingKind::Yearly, amounts()).records,
                      {{"Account", c.yearCurrent, c.yearYtd}}, c.type);
    }
}

TEST(ClosingRules, AccountsOutsideTheTableLeaveAZeroRecordAtTheirNumber) {
    for (const char* type : {"", "C4X", "d1", "C", "D2"}) {
        const std::vector<AccountEntry> entries{entry("Odd", type, "10", "20"),
                                                entry("Cash", "D1", "5", "6"),
                                                entry("Odd end", type, "1", "1")};
        const ClosedBooks closed = closeBooks(entries, ClosingKind::Monthly, amounts());
        ASSERT_EQ(closed.records.size(), 2u) << type; // nothing after the last carried account
        EXPECT_EQ(closed.records[0].encode(), RecordBytes{}) << type;
        EXPECT_EQ(closed.records[1].trimmedName(), "Cash") << type;
    }
}

TEST(ClosingRules, LastRecordLeftOutOnlyWhenItsNameIsEmpty) {
    const std::vector<AccountEntry> endsWithAccount{entry("Cash", "D1", "5"),
                                                    entry("Sales", "C4", "7", "7")};
    expectRecords(closeBooks(endsWithAccount, ClosingKind::Monthly, amounts()).records,
                  {{"Cash", "5", "0"}, {"Sales", "0", "7"}}, "named last");
    // A blank name inside the file is carried when its code is in the table.
    const std::vector<AccountEntry> blankInside{entry("", "D1", "5"), entry("Cash", "D1", "1"),
                                                entry("", "", "0")};
    expectRecords(closeBooks(blankInside, ClosingKind::Monthly, amounts()).records,
                  {{"", "5", "0"}, {"Cash", "1", "0"}}, "blank inside");
    EXPECT_TRUE(closeBooks({}, ClosingKind::Yearly, amounts()).records.empty());
}

TEST(ClosingRules, AnAmountThatIsNeededButUnreadableIsNamed) {
    const ClosingAmounts noInventory{money("9000"), money("30000"), std::nullopt};
    const ClosingAmounts noEndCap{std::nullopt, money("30000"), money("1")};
    const ClosingAmounts noYtdEndCap{money("9000"), std::nullopt, money("1")};
    EXPECT_EQ(closeBooks(monthEnd(), ClosingKind::Monthly, noInventory).missing,
              NewBalance::EndingInventory);
    EXPECT_EQ(closeBooks(monthEnd(), ClosingKind::Monthly, noEndCap).missing, NewBalance::EndCap);
    EXPECT_EQ(closeBooks(monthEnd(), ClosingKind::Yearly, noYtdEndCap).missing,
              NewBalance::YtdEndCap);
    EXPECT_FALSE(closeBooks(monthEnd(), ClosingKind::Monthly, noYtdEndCap).missing);
    // Without an inventory account the ending inventory is not needed.
    const std::vector<AccountEntry> service{entry("Cash", "D1", "5")};
    EXPECT_FALSE(closeBooks(service, ClosingKind::Yearly, noInventory).missing);
}

TEST(ClosingRules, ClosedFileIsNamedAfterTheWholePath) {
    EXPECT_EQ(closedPath("/b/books.dat", ClosingKind::Monthly), "/b/books.dat closed monthly");
    EXPECT_EQ(closedPath("/b/books.dat closed monthly", ClosingKind::Yearly),
              "/b/books.dat closed monthly closed ytd");
}

} // namespace
