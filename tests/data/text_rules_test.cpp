#include "data/text_rules.h"
#include "support/record_fixture.h"

using namespace folio;

namespace {

// Amounts shown, amounts and dates read as typed and names a record cannot hold, from the
// table in text_rules.cases.
TEST(TextRules, ShowAndReadAsUsBookkeepersWrite) {
    for (const QStringList& c : readCases(QStringLiteral(FOLIO_TEST_DATA "/text_rules.cases"))) {
        const std::string at = c.join(u'|').toStdString();
        ASSERT_EQ(c.size(), 3) << at;
        const QString typed = c[1].startsWith(u'<') ? c[1].mid(1, c[1].size() - 2) : c[1];
        const bool refused = c[2] == u"refused";
        if (c[0] == u"shown") {
            EXPECT_EQ(formatCurrency(Money::fromRaw(c[1].toLongLong())), c[2]) << at;
        } else if (c[0] == u"amount") {
            const std::optional<Money> amount = parseAmount(typed);
            ASSERT_EQ(amount.has_value(), !refused) << at;
            if (amount) {
                EXPECT_EQ(amount->raw(), c[2].toLongLong()) << at;
                EXPECT_EQ(parseAmount(formatCurrency(*amount)), amount) << at;
            }
        } else if (c[0] == u"unstorable") {
            EXPECT_EQ(unstorableCharacters(typed).join(u' '), c[2]) << at;
        } else {
            ASSERT_EQ(c[0], u"date");
            const std::optional<QDate> date = readDate(typed);
            EXPECT_EQ(date,
                      refused ? std::nullopt : std::optional(QDate::fromString(c[2], Qt::ISODate)))
                << at;
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
