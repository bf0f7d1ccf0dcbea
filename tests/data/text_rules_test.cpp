#include "data/text_rules.h"
#include <gtest/gtest.h>

using namespace folio;

namespace {

TEST(Currency, FormatsUsEnglish) {
    const struct {
        std::int64_t raw;
        const char* text;
    } cases[] = {
        {12345000, "$1,234.50"},
        {0, "$0.00"},
        {-12345600, "($1,234.56)"},
        {101234, "$10.12"},
        {100050, "$10.01"},
        {-100050, "($10.01)"},
        {10000000000000, "$1,000,000,000.00"},
        {49, "$0.00"},
        {50, "$0.01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatCurrency(Money::fromRaw(c.raw)), QString::fromLatin1(c.text)) << c.raw;
    }
}

// One reading of a typed amount for every box: US forms read as their value, anything
// else refused.
TEST(Amounts, AreReadAsTypedOrRefused) {
    const struct {
        const char* text;
        std::optional<std::int64_t> cents;
    } cases[] = {
        {"1500", 150000},
        {"1,500", 150000},
        {"1500.5", 150050},
        {"$1,500.00", 150000},
        {"-1500", -150000},
        {"(1,500.00)", -150000},
        {" 12,345,678.9 ", 1234567890},
        {"-$25", -2500},
        {"$-25", -2500},
        {".5", 50},
        {"0", 0},
        {"($1,000.00)", -100000},
        {"12abc", {}},
        {"-", {}},
        {"1e9", {}},
        {"1.2.3", {}},
        {"1,50", {}},
        {"1,5000", {}},
        {",500", {}},
        {"1.005", {}},
        {"", {}},
        {"$", {}},
        {"(-5)", {}},
        {"92233720368547758.07", {}},
    };
    for (const auto& c : cases) {
        const std::optional<Money> read = parseAmount(QString::fromLatin1(c.text));
        ASSERT_EQ(read.has_value(), c.cents.has_value()) << c.text;
        if (read) {
            EXPECT_EQ(read->raw(), *c.cents * 100) << c.text;
            EXPECT_EQ(parseAmount(formatCurrency(*read)), read) << c.text;
        }
    }
}

TEST(Money, OverflowIsAnErrorNeverAWrappedValue) {
    const Money top = Money::fromRaw(INT64_MAX);
    EXPECT_THROW(top + Money::fromRaw(1), MoneyOverflow);
    EXPECT_THROW(Money::fromRaw(INT64_MIN) - Money::fromRaw(1), MoneyOverflow);
    EXPECT_THROW(-Money::fromRaw(INT64_MIN), MoneyOverflow);
    EXPECT_THROW(Money::fromWhole(INT64_MAX / 100), MoneyOverflow);
    EXPECT_EQ(Money::fromWhole(3) - Money::fromWhole(5), Money::fromWhole(-2));
}

} // namespace

namespace {

// One reading of a date for every date box and the command line: the US forms read as
// their day, anything else (a day the month lacks, a stray word) refused.
TEST(Dates, AreReadAsUsBookkeepersWriteThem) {
    const struct {
        const char* text;
        const char* iso; // empty: no date
    } cases[] = {
        {"1/5/2026", "2026-01-05"},
        {"01/05/2026", "2026-01-05"},
        {"1/5/26", "2026-01-05"},
        {"12/31/99", "1999-12-31"},
        {"2/29/00", "2000-02-29"},
        {"1-5-2026", "2026-01-05"},
        {"2026-01-05", "2026-01-05"},
        {"January 5, 2026", "2026-01-05"},
        {"Jan 5, 2026", "2026-01-05"},
        {"January 5 2026", "2026-01-05"},
        {"5 January 2026", "2026-01-05"},
        {"5-Jan-26", "2026-01-05"},
        {" 2/28/2026 ", "2026-02-28"},
        {"2/29/2024", "2024-02-29"},
        {"", ""},
        {"   ", ""},
        {"hello", ""},
        {"31/31/06", ""},
        {"2/30/2026", ""},
        {"2/29/2026", ""},
        {"13/1/2026", ""},
        {"1/5", ""},
        {"1/5/2026 hello", ""},
        {"Janaury 5, 2026", ""},
        {"2026", ""},
        {"2026-1-2005", ""},
    };
    for (const auto& c : cases) {
        const std::optional<QDate> date = readDate(QString::fromLatin1(c.text));
        if (*c.iso == '\0') {
            EXPECT_FALSE(date.has_value()) << c.text;
        } else {
            EXPECT_EQ(date, QDate::fromString(QString::fromLatin1(c.iso), Qt::ISODate)) << c.text;
        }
    }
}

TEST(Names, CharactersARecordCannotHoldAreNamedOnce) {
    EXPECT_EQ(unstorableCharacters(QStringLiteral("Café Réserve ½")), QStringList());
    EXPECT_EQ(unstorableCharacters(QStringLiteral("Zażółć Łódź")),
              (QStringList{QStringLiteral("ż"), QStringLiteral("ł"), QStringLiteral("ć"),
                           QStringLiteral("Ł"), QStringLiteral("ź")}));
    EXPECT_EQ(unstorableCharacters(QStringLiteral("€ Reserve €")),
              QStringList{QStringLiteral("€")});
    // A character outside the first plane is named whole, not as two halves.
    EXPECT_EQ(unstorableCharacters(QStringLiteral("Fund 𝄞")), QStringList{QStringLiteral("𝄞")});
}

} // namespace
