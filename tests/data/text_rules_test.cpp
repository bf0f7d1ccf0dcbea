#include "data/text_rules.h"
#include <gtest/gtest.h>

namespace {

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
    const struct {
        const char* text;
        const char* plain;
    } cases[] = {
        {"12.5kg", "12.5"}, {"$100.00", "0"},  {"1,234.50", "1"}, {"-7", "-7"},
        {"", "0"},          {"abc", "0"},      {" 1 2 3 ", "123"}, {"\t4\n5", "45"},
        {"1.5E2", "150"},   {"2D3", "2000"},   {"1e-2", "0.01"}, {"+8", "8"},
        {"1.2.3", "1.2"},   {"0.004", "0.004"}, {"12E", "12"},    {".5", "0.5"},
        {"-", "0"},         {"1250", "1250"},  {"00012", "12"},  {"- 3", "-3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingNumber(QString::fromLatin1(c.text)).plainText(),
                  QString::fromLatin1(c.plain))
            << c.text;
    }
}

TEST(LeadingNumber, SignAndMoneyAreExact) {
    EXPECT_EQ(leadingNumber("0.1").toMoney(), Money::fromRaw(1000));
    EXPECT_EQ(leadingNumber("0.00005").toMoney(), Money::fromRaw(1));
    EXPECT_EQ(leadingNumber("-0.00005").toMoney(), Money::fromRaw(-1));
    EXPECT_EQ(leadingNumber("1E30").toMoney(), std::nullopt);
    EXPECT_EQ(leadingNumber("-0").sign(), 0);
    EXPECT_EQ(leadingNumber("-2").sign(), -1);
    EXPECT_EQ(leadingNumber("1E999999999999").sign(), 1);
    EXPECT_EQ(leadingNumber("1E-999999999999").toMoney(), Money());
}

TEST(Currency, FormatsUsEnglish) {
    const struct {
        std::int64_t raw;
        const char* text;
    } cases[] = {
        {12345000, "$1,234.50"},       {0, "$0.00"},           {-12345600, "($1,234.56)"},
        {101234, "$10.12"},            {100050, "$10.01"},     {-100050, "($10.01)"},
        {10000000000000, "$1,000,000,000.00"},                 {49, "$0.00"},
        {50, "$0.01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatCurrency(Money::fromRaw(c.raw)), QString::fromLatin1(c.text)) << c.raw;
    }
}

TEST(Currency, ReadsBackWhatItFormatsAndTypedNumbers) {
    const struct {
        const char* text;
        std::optional<std::int64_t> raw;
    } cases[] = {
        {"$1,234.50", 12345000}, {"($1,234.56)", -12345600}, {"-$5.00", -50000},
        {"$-5", -50000},         {"1,234.5", 12345000},      {" 250 ", 2500000},
        {"1.5E2", 1500000},      {"0.00005", 1},             {"5-", -50000},
        {"", std::nullopt},      {"abc", std::nullopt},      {"12abc", std::nullopt},
        {"$", std::nullopt},     {"()", std::nullopt},       {"1e30", std::nullopt},
        {"(5", std::nullopt},    {"--5", std::nullopt},      {",5", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto parsed = parseAmount(QString::fromLatin1(c.text));
        if (c.raw) {
            ASSERT_TRUE(parsed.has_value()) << c.text;
            EXPECT_EQ(parsed->raw(), *c.raw) << c.text;
        } else {
            EXPECT_FALSE(parsed.has_value()) << c.text;
        }
    }
    for (std::int64_t raw : {0LL, 1LL, -99LL, 123456789LL, -98765432100LL}) {
        const Money cents = Money::fromRaw(raw).roundedToCents();
        EXPECT_EQ(parseAmount(formatCurrency(cents)), cents) << raw;
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
