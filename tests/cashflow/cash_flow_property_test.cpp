#include "closing/closing_rules.h"
#include "reports/comparative.h"
#include "statements/cash_flow_statement.h"
#include "support/record_fixture.h"
#include <random>

using namespace folio::statements;

namespace {

// A closing writes the ending inventory into every inventory account and the ending retained
// earnings into every retained earnings account: the books have one of each.
const char* const kTypes[] = {"D1", "D1", "C1", "C2", "C3C", "D3", "C4", "D4", "D5", "D6"};

void move(std::vector<AccountRecord>& books, std::size_t at, Money debit, Money credit) {
    AccountRecord& a = books[at];
    a.setBalances(a.balances() +
                  Amounts::both(a.type.startsWith(u'D') ? debit - credit : credit - debit));
}

// Random books, random balanced entries (some of two lines, some posted one side at a time),
// random classes, and monthly closings between periods: in every period the net change of
// the statement equals the change in the cash accounts, to the ten-thousandth.
// The comparative balance sheet: its current column is the balance sheet now, its prior
// column the prior books' balance sheet, line for line.
void expectPriorColumn(const Statements& now, const Statements& prior) {
    using folio::reports::Report;
    const auto nowRows = folio::reports::statementRows(Report::BalanceSheet, now);
    const auto priorRows = folio::reports::statementRows(Report::BalanceSheet, prior);
    const auto rows = folio::reports::compareRows(nowRows, priorRows);
    ASSERT_EQ(rows.size(), nowRows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].current, nowRows[i].amount) << rows[i].label.toStdString();
        EXPECT_EQ(rows[i].prior, priorRows[i].amount) << rows[i].label.toStdString();
        EXPECT_EQ(rows[i].change(), nowRows[i].amount - priorRows[i].amount);
    }
}

TEST(CashFlowProperty, NetChangeEqualsTheChangeInCashAndThePriorColumnThePriorBooks) {
    std::mt19937 random(20261207);
    auto amount = [&random] {
        return Money::fromRaw(std::uniform_int_distribution<std::int64_t>(1, 50'000'000)(random));
    };
    for (int round = 0; round < 200; ++round) {
        // The statements balance for a service business without inventory and purchases,
        // and for a merchandising one with its inventory account.
        const bool service = random() % 2 == 0;
        std::vector<AccountRecord> books{{"Retained", "C3", {}, {}}};
        if (!service) {
            books.push_back({"Inventory", "D1I", {}, {}});
        }
        CashFlowClasses classes;
        const int count = std::uniform_int_distribution(3, 14)(random);
        for (int i = 0; i < count; ++i) {
            const QString type = QString::fromLatin1(kTypes[random() % std::size(kTypes)]);
            if (service && type == u"D5") {
                continue;
            }
            const QString name = QStringLiteral("%1 %2").arg(i % 3 == 0 ? "Cash" : "Acct").arg(i);
            books.push_back({name, type, {}, {}});
            if (hasCashFlowClass(type) && random() % 2 == 0) {
                classes[name] = kCashFlowClasses[random() % std::size(kCashFlowClasses)];
            }
        }
        CompanyInfo company{
            {}, {}, service ? Business::Service : Business::Merchandising, std::nullopt};
        std::vector<AccountRecord> beginning = books;
        std::optional<Statements> prior;
        for (int period = 0; period < 3; ++period) {
            std::vector<MovedEntry> entries;
            for (int e = std::uniform_int_distribution(0, 12)(random); e > 0; --e) {
                const std::size_t debit = random() % books.size();
                const std::size_t credit = random() % books.size();
                const Money value = amount();
                move(books, debit, value, {});
                move(books, credit, {}, value);
                if (random() % 2 == 0) {
                    entries.push_back({{books[debit].name, books[debit].type, value, {}},
                                       {books[credit].name, books[credit].type, {}, value}});
                }
            }
            company.endingInventory = amount();
            const Statements now = computeStatements(tableOf(books), company);
            const Statements before = computeStatements(
                tableOf(beginning), beginningCompany(tableOf(beginning), company));
            ASSERT_TRUE(now.trial.difference().isZero()) << round << " " << period;
            const CashFlowStatement s = computeCashFlows(before, now, classes, entries);
            ASSERT_EQ(s.netChange, s.cashChange()) << "round " << round << " period " << period;
            if (period > 0) {
                expectPriorColumn(now, *prior);
            }
            prior = now;
            books = folio::closing::closeBooks(now.table, folio::closing::ClosingKind::Monthly,
                                               *now.closing);
            beginning = books;
        }
    }
}

} // namespace
