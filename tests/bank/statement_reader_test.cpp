#include "bank/statement_amount.h"
#include "bank/statement_reader.h"
#include "support/record_fixture.h"
#include <map>

namespace folio::bank {
namespace {

QString dataFile(const char* name) {
    return QStringLiteral(FOLIO_TEST_DATA "/") + QLatin1String(name);
}

// Every statement file's lines, every faulty file's refusal and every amount as banks write
// it, from the table in statements.cases.
TEST(StatementFiles, ReadEveryLineExactlyOrAreRefusedNamingFileLineAndFault) {
    std::map<QString, std::vector<QStringList>> expected; // the lines of each file, in order
    for (const QStringList& c : readCases(dataFile("statements.cases"))) {
        const std::string at = c.join(u'|').toStdString();
        if (c[0] == u"line") {
            expected[c[1]].push_back(c);
        } else if (c[0] == u"fault") {
            try {
                readStatement(dataFile(qPrintable(c[1])));
                ADD_FAILURE() << "read " << at;
            } catch (const StatementError& error) {
                EXPECT_EQ(error.words(), c[2]) << at;
            }
        } else {
            const auto amount = statementAmount(c[1]);
            EXPECT_EQ(amount, c[2] == u"refused" ? std::nullopt
                                                 : std::optional(Money::fromRaw(c[2].toLongLong())))
                << at;
        }
    }
    for (const auto& [file, lines] : expected) {
        const DateOrder asked =
            lines[0][2] == u"day first" ? DateOrder::DayMonthYear : DateOrder::Unknown;
        const StatementReading reading =
            readStatement(dataFile(qPrintable(file)), {std::nullopt, asked});
        ASSERT_EQ(reading.need, StatementReading::Need::Nothing) << reading.question.toStdString();
        EXPECT_EQ(reading.statement.format, lines[0][3]);
        ASSERT_EQ(reading.statement.lines.size(), lines.size()) << file.toStdString();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const StatementLine& line = reading.statement.lines[i];
            const std::string at = lines[i].join(u'|').toStdString();
            EXPECT_EQ(line.date, QDate::fromString(lines[i][4], Qt::ISODate)) << at;
            EXPECT_EQ(line.description, lines[i][5]) << at;
            EXPECT_EQ(line.amount, Money::fromRaw(lines[i][6].toLongLong() * 100)) << at;
            EXPECT_EQ(line.bankId, lines[i][7]) << at;
        }
    }
}

TEST(StatementQuestions, AmbiguousDatesAreAskedNeverGuessed) {
    const StatementReading reading = readStatement(dataFile("ambiguous_dates.csv"));
    EXPECT_EQ(reading.need, StatementReading::Need::DateOrder);
    EXPECT_TRUE(reading.question.contains(QLatin1String("03/04/2026")));
    EXPECT_TRUE(reading.statement.lines.empty());
}

TEST(StatementQuestions, ColumnsWithoutAHeaderAreAsked) {
    const StatementReading asked = readStatement(dataFile("no_header.csv"));
    EXPECT_EQ(asked.need, StatementReading::Need::Columns);
    const CsvLayout layout{.date = 0, .description = 1, .amount = 2, .header = false};
    const StatementReading read =
        readStatement(dataFile("no_header.csv"), {layout, DateOrder::Unknown});
    ASSERT_EQ(read.need, StatementReading::Need::Nothing);
    ASSERT_EQ(read.statement.lines.size(), 2U);
    EXPECT_EQ(read.layout.dates, DateOrder::YearMonthDay);
    EXPECT_EQ(CsvLayout::fromText(read.layout.toText()), read.layout);
}

} // namespace
} // namespace folio::bank
