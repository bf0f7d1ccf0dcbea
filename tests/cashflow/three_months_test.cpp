#include "cashflow/cash_flow_source.h"
#include "cashflow/earlier_periods.h"
#include "cashflow/prior_column.h"
#include "closing/closing_rules.h"
#include "data/text_rules.h"
#include "journal/cash_flow_classes.h"
#include "journal/journal_fixture.h"
#include "reports/cash_flow_rows.h"
#include "session/books_session.h"
#include <QFileInfo>
#include <algorithm>

using namespace folio::statements;

namespace {

// The row of that label, among those with figures.
const folio::reports::ComparativeRow*
rowLabelled(const std::vector<folio::reports::ComparativeRow>& rows, const QString& label) {
    const auto row = std::ranges::find_if(rows, [&label](const auto& r) {
        return r.label == label && r.kind != folio::reports::StatementRow::Kind::Heading;
    });
    return row == rows.end() ? nullptr : &*row;
}

// Books kept as the window keeps them, month after month: selected in a books session with
// their journal open.
class ThreeClosedMonths : public JournalFixture {
  protected:
    int recordNamed(const QString& name) {
        const std::vector<AccountRecord> records = readAccounts(books);
        const auto found = std::ranges::find(records, name, &AccountRecord::name);
        EXPECT_NE(found, records.end()) << "no account " << name.toStdString();
        return static_cast<int>(found - records.begin()) + 1;
    }

    // The cash flows' prior column of a closed copy, beside the month before or the earlier period
    // chosen: the figures worked by hand for that month.
    void expectPriorCashFlows(const Statements& now, const CompanyInfo& company,
                              const std::optional<CashFlowStatement>& flows,
                              const std::vector<QString>& worked, const QString& chosen = {}) {
        const auto cash = folio::cashflow::priorColumnOf(folio::reports::Report::CashFlows, books,
                                                         &store(), now, company, flows, chosen);
        ASSERT_TRUE(cash.comparative) << cash.refusal.toStdString();
        EXPECT_TRUE(cash.comparative->source.contains(QFileInfo(chosen).fileName()));
        for (const QString& line : worked) {
            const auto* row = rowLabelled(cash.comparative->rows, line.section(u'=', 0, 0));
            ASSERT_NE(row, nullptr) << line.toStdString();
            EXPECT_EQ(row->label + u'=' + formatCurrency(row->prior), line) << chosen.toStdString();
        }
    }

    // Each statement beside the month before: the figures of the "compare" lines, worked out by
    // hand, in the current and the prior column.
    void expectComparedByHand(const Statements& now, const CompanyInfo& company,
                              const QStringList& compared) {
        const QStringList names{"trial-balance", "income-statement", "equity", "balance-sheet"};
        for (const QString& figure : compared) {
            const QStringList f = figure.split(u'|');
            const auto report = static_cast<folio::reports::Report>(names.indexOf(f[0]));
            const auto column =
                folio::cashflow::priorColumnOf(report, books, &store(), now, company, std::nullopt);
            ASSERT_TRUE(column.comparative) << column.refusal.toStdString();
            const auto* row = rowLabelled(column.comparative->rows, f[1]);
            ASSERT_NE(row, nullptr) << figure.toStdString();
            EXPECT_EQ(row->current, *parseAmount(f[2])) << figure.toStdString();
            EXPECT_EQ(row->prior, *parseAmount(f[3])) << figure.toStdString();
        }
    }
};

// Runs the months of tests/cashflow/data/three_months.txt: each month's entries posted, its
// statement of cash flows against the figures worked out by hand, then the month closed
// and the closed copy selected, as a bookkeeper does.
TEST_F(ThreeClosedMonths, CashFlowsOfEachMonthMatchTheFiguresWorkedByHand) {
    CompanyInfo company;
    CashFlowClasses classes;
    std::vector<AccountRecord> opening;
    std::vector<QString> expected;
    std::vector<std::vector<QString>> monthsWorked; // the cash flows of each month, by hand
    QStringList compared;                           // statement|line|now|before, by hand
    QString where;
    int month = 0;
    for (QStringList f : readCases(FOLIO_TEST_DATA "/three_months.txt")) {
        const QString word = f[0].section(u' ', 0, 0);
        f[0] = f[0].section(u' ', 1); // the fields after the line's first word
        if (word == u"books") {
            where = f[0];
            month = 0;
            monthsWorked.clear();
            opening.clear();
            classes.clear();
            company = {};
            company.business = where == u"service" ? Business::Service : Business::Merchandising;
        } else if (word == u"account") {
            opening.push_back({f[0], f[1], *parseAmount(f[2]), *parseAmount(f[2])});
        } else if (word == u"class") {
            classes[f[0]] = *cashFlowClassTitled(f[1]);
        } else if (word == u"month") {
            if (++month == 1) {
                books = dir.filePath(where + QStringLiteral(".dat"));
                start(opening);
                session.keepCashFlowClasses(classes).orThrow();
            }
            company.endingInventory = parseAmount(f[0]);
            expected.clear();
        } else if (word == u"entry") {
            session
                .postBalanced({}, {{recordNamed(f[0]), *parseAmount(f[2]), {}},
                                   {recordNamed(f[1]), {}, *parseAmount(f[2])}})
                .orThrow();
        } else if (word == u"compare") {
            compared << f.join(u'|');
        } else if (word == u"row") {
            expected.push_back(f[0] + u'=' + formatCurrency(*parseAmount(f[1])));
        } else if (word == u"close") {
            const Statements now = computeStatements(tableOf(readAccounts(books)), company);
            const auto kept = session.cashFlowClasses();
            ASSERT_TRUE(kept);
            const auto flows = folio::cashflow::cashFlowsOf(now, company, &store(), *kept);
            ASSERT_TRUE(flows.statement);
            EXPECT_EQ(flows.beginning->closedCopy, month > 1);
            std::vector<QString> shown;
            for (const auto& row : folio::reports::cashFlowRows(*flows.statement)) {
                if (row.kind != folio::reports::StatementRow::Kind::Heading) {
                    shown.push_back(row.label + u'=' + formatCurrency(row.amount));
                }
            }
            EXPECT_EQ(shown, expected) << where.toStdString() << " month " << month;
            EXPECT_TRUE(flows.statement->checkDifference().isZero());
            if (month > 1) {
                expectPriorCashFlows(now, company, *flows.statement, monthsWorked.back());
            }
            EXPECT_EQ(compared.isEmpty(), month == 1);
            expectComparedByHand(now, company, compared);
            compared.clear();
            monthsWorked.push_back(expected);

            const QString closed =
                folio::closing::closedPath(books, folio::closing::ClosingKind::Monthly);
            // closed as the closing tab closes them: the session carries the classes along
            session
                .close(QStringLiteral("Monthly closing"), closed,
                       folio::closing::closeBooks(now.table, folio::closing::ClosingKind::Monthly,
                                                  *now.closing))
                .orThrow();
            books = closed;
            reopen();
            EXPECT_EQ(session.cashFlowClasses(), classes);
        }
    }
    EXPECT_EQ(month, 3);
    // The earlier periods of the fourth month's books, newest first, each one chosen to compare
    // with: its cash flows are those worked by hand for its month. (Books never closed refuse,
    // as the comparative panel and the command line's --compare-with show.)
    const QStringList earlier = folio::cashflow::earlierPeriods(&store());
    ASSERT_EQ(earlier.size(), 3);
    const Statements now = computeStatements(tableOf(readAccounts(books)), company);
    const auto flows =
        folio::cashflow::cashFlowsOf(now, company, &store(), *session.cashFlowClasses());
    for (int back = 0; back < 3; ++back) {
        expectPriorCashFlows(now, company, flows.statement,
                             monthsWorked[static_cast<std::size_t>(2 - back)], earlier[back]);
    }

    // The books of the last month changed after their closing: the prior column says so.
    const QString prior = journal::periodBeginningIn(store())->closedFrom;
    folio::session::BooksSession changed;
    changed.books().select(prior);
    changed.openJournal();
    changed.reopen(QStringLiteral("a late invoice")).orThrow(); // closed books are locked
    changed.post({}, {1, money("5"), {}}).orThrow();
    const auto column = folio::cashflow::priorColumnOf(folio::reports::Report::TrialBalance, books,
                                                       &store(), now, company, std::nullopt);
    ASSERT_TRUE(column.comparative);
    EXPECT_TRUE(column.comparative->source.contains(QStringLiteral("reopened and changed on")))
        << column.comparative->source.toStdString();
}

} // namespace
