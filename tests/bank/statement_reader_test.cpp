#include "bank/statement_amount.h"
#include "bank/statement_reader.h"
#include <gtest/gtest.h>

namespace folio::bank {
namespace {

QString dataFile(const char* name) {
    return QStringLiteral(FOLIO_TEST_DATA "/") + QLatin1String(name);
}

struct Expected {
    const char* date;
    const char* description;
    std::int64_t cents;
    const char* id;
};

struct ReadCase {
    const char* file;
    DateOrder asked;
    const char* format;
    std::vector<Expected> lines;
};

class StatementFiles : public testing::TestWithParam<ReadCase> {};

TEST_P(StatementFiles, ReadEveryLineExactly) {
    const ReadCase& c = GetParam();
    const StatementReading reading = readStatement(dataFile(c.file), {std::nullopt, c.asked});
    ASSERT_EQ(reading.need, StatementReading::Need::Nothing) << reading.question.toStdString();
    EXPECT_EQ(reading.statement.format, QLatin1String(c.format));
    ASSERT_EQ(reading.statement.lines.size(), c.lines.size());
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
        const StatementLine& line = reading.statement.lines[i];
        EXPECT_EQ(line.date, QDate::fromString(QLatin1String(c.lines[i].date), Qt::ISODate)) << i;
        EXPECT_EQ(line.description, QString::fromUtf8(c.lines[i].description)) << i;
        EXPECT_EQ(line.amount, Money::fromRaw(c.lines[i].cents * 100)) << i;
        EXPECT_EQ(line.bankId, QLatin1String(c.lines[i].id)) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, StatementFiles,
    testing::Values(
        ReadCase{"checking_ofx1.ofx",
                 DateOrder::Unknown,
                 "OFX",
                 {{"2026-03-02", "ACME CORP PAYROLL", 250000, "2026030201"},
                  {"2026-03-05", "CITY POWER & LIGHT", -4567, "2026030501"},
                  {"2026-03-31", "SERVICE CHARGE", -10, "2026033101"}}},
        ReadCase{"checking_ofx2.ofx",
                 DateOrder::Unknown,
                 "OFX",
                 {{"2026-03-10", "CLIENT DEPOSIT", 123456, "X-1001"},
                  {"2026-03-15", "OFFICE RENT", -80000, "X-1002"}}},
        ReadCase{"card.qfx",
                 DateOrder::Unknown,
                 "QFX",
                 {{"2026-03-12", "OFFICE SUPPLY STORE", -1999, "C-77"}}},
        ReadCase{"checking.qif",
                 DateOrder::Unknown,
                 "QIF",
                 {{"2026-03-14", "LANDLORD LLC", -125000, ""},
                  {"2026-03-20", "Interest and refund", 30050, ""}}},
        ReadCase{"order_date_first.csv",
                 DateOrder::Unknown,
                 "CSV",
                 {{"2026-03-02", "ACME CORP PAYROLL, INC", 250000, ""},
                  {"2026-03-05", "CITY POWER", -4567, ""},
                  {"2026-03-25", "COFFEE \"BEANS\" CO", -450, ""}}},
        ReadCase{"bom_crlf_iso.csv",
                 DateOrder::Unknown,
                 "CSV",
                 {{"2026-03-31", "BANK FEE", -1200, ""}, {"2026-03-15", "REFUND", 10000, ""}}},
        ReadCase{"parentheses.csv",
                 DateOrder::Unknown,
                 "CSV",
                 {{"2026-03-13", "OFFICE DEPOT", -123450, ""},
                  {"2026-03-14", "CLIENT PAYMENT", 200000, ""}}},
        ReadCase{"debit_credit_day_first.csv",
                 DateOrder::Unknown,
                 "CSV",
                 {{"2026-03-15", "RENT", -80000, ""}, {"2026-03-20", "DEPOSIT", 150025, ""}}},
        ReadCase{"ambiguous_dates.csv",
                 DateOrder::DayMonthYear,
                 "CSV",
                 {{"2026-04-03", "ONE", -100, ""}, {"2026-06-05", "TWO", 200, ""}}}));

struct FaultCase {
    const char* file;
    const char* words;
};

class FaultyFiles : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultyFiles, AreRefusedNamingFileLineAndFault) {
    const FaultCase& c = GetParam();
    try {
        readStatement(dataFile(c.file));
        FAIL() << "read " << c.file;
    } catch (const StatementError& error) {
        EXPECT_EQ(error.words(), QString::fromUtf8(c.words));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultyFiles,
    testing::Values(
        FaultCase{"bad_amount.csv", "bad_amount.csv, line 3: the amount \"12.3x\" is not a number"},
        FaultCase{"missing_column.csv",
                  "missing_column.csv, line 3: the amount column (column 3) is missing"},
        FaultCase{"open_quote.csv", "open_quote.csv, line 2: a quoted field is not closed"},
        FaultCase{"not_statement.ofx",
                  "not_statement.ofx: this is not a bank statement Folio can read"},
        FaultCase{"no_such_file.csv", "no_such_file.csv: the file cannot be read"}));

TEST(StatementQuestions, AmbiguousDatesAreAskedNeverGuessed) {
    const StatementReading reading = readStatement(dataFile("ambiguous_dates.csv"));
    EXPECT_EQ(reading.need, StatementReading::Need::DateOrder);
    EXPECT_TRUE(reading.question.contains(QLatin1String("03/04/2026")));
    EXPECT_TRUE(reading.statement.lines.empty());
}

TEST(StatementQuestions, ColumnsWithoutAHeaderAreAsked) {
    const StatementReading asked = readStatement(dataFile("no_header.csv"));
    EXPECT_EQ(asked.need, StatementReading::Need::Columns);
    CsvLayout layout;
    layout.date = 0;
    layout.description = 1;
    layout.amount = 2;
    layout.header = false;
    const StatementReading read =
        readStatement(dataFile("no_header.csv"), {layout, DateOrder::Unknown});
    ASSERT_EQ(read.need, StatementReading::Need::Nothing);
    ASSERT_EQ(read.statement.lines.size(), 2U);
    EXPECT_EQ(read.layout.dates, DateOrder::YearMonthDay);
    EXPECT_EQ(CsvLayout::fromText(read.layout.toText()), read.layout);
}

TEST(StatementAmounts, ReadAsBanksWriteThem) {
    const std::vector<std::pair<const char*, std::optional<std::int64_t>>> cases{
        {"1,234.56", 12345600},
        {"-12.00", -120000},
        {"(12.00)", -120000},
        {"$5", 50000},
        {"12.00-", -120000},
        {"+3.5", 35000},
        {"$-7.25", -72500},
        {"0.0001", 1},
        {"1,23.00", std::nullopt},
        {"12.3x", std::nullopt},
        {"", std::nullopt},
        {"1.23456", std::nullopt},
        {"99999999999999999999", std::nullopt}};
    for (const auto& [text, raw] : cases) {
        const auto amount = statementAmount(QLatin1String(text));
        EXPECT_EQ(amount.has_value(), raw.has_value()) << text;
        if (amount && raw) {
            EXPECT_EQ(amount->raw(), *raw) << text;
        }
    }
}

} // namespace
} // namespace folio::bank
