#include "cashflow/cash_flow_source.h"
#include "cashflow/earlier_periods.h"
#include "cashflow/prior_column.h"
#include "closing/closing_rules.h"
#include "data/file_table.h"
#include "data/text_rules.h"
#include "journal/books_journal.h"
#include "journal/cash_flow_classes.h"
#include "reports/cash_flow_rows.h"
#include "session/books_session.h"
#include "support/record_fixture.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace folio::statements;

namespace {

// Books kept as the window keeps them: selected in a books session with their journal open.
struct OpenBooks {
    QString path;
    folio::session::BooksSession session;

    void open(const QString& at) {
        session.release();
        path = at;
        session.books().select(path);
        session.openJournal();
    }
    journal::JournalStore& store() { return session.journalStore(); }
    int recordNamed(const QString& name) {
        const std::vector<AccountRecord> records = readAccounts(path);
        const auto found = std::ranges::find(records, name, &AccountRecord::name);
        EXPECT_NE(found, records.end()) << "no account " << name.toStdString();
        return static_cast<int>(found - records.begin()) + 1;
    }
};

// The cash flows' prior column of a closed copy, beside the month before or the earlier period
// chosen: the figures worked by hand for that month.
void expectPriorCashFlows(OpenBooks& books, const Statements& now, const CompanyInfo& company,
                          const std::optional<CashFlowStatement>& flows,
                          const std::vector<QString>& worked, const QString& chosen = {}) {
    const auto cash = folio::cashflow::priorColumnOf(folio::reports::Report::CashFlows, books.path,
                                                     &books.store(), now, company, flows, chosen);
    ASSERT_TRUE(cash.comparative) << cash.refusal.toStdString();
    EXPECT_TRUE(cash.comparative->source.contains(QFileInfo(chosen).fileName()));
    std::vector<QString> priorShown;
    for (const auto& row : cash.comparative->rows) {
        if (row.kind != folio::reports::StatementRow::Kind::Heading &&
            std::find_if(worked.begin(), worked.end(), [&row](const QString& l) {
                return l.startsWith(row.label + u'=');
            }) != worked.end()) {
            priorShown.push_back(row.label + u'=' + formatCurrency(row.prior));
        }
    }
    std::vector<QString> expected = worked;
    std::sort(priorShown.begin(), priorShown.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(priorShown, expected) << chosen.toStdString();
}

// Each statement beside the month before: the figures of the "compare" lines, worked out by
// hand, in the current and the prior column.
void expectComparedByHand(OpenBooks& books, const Statements& now, const CompanyInfo& company,
                          const QStringList& compared) {
    const QStringList names{"trial-balance", "income-statement", "equity", "balance-sheet"};
    for (const QString& figure : compared) {
        const QStringList f = figure.split(u'|');
        const auto report = static_cast<folio::reports::Report>(names.indexOf(f[0]));
        const auto column = folio::cashflow::priorColumnOf(report, books.path, &books.store(), now,
                                                           company, std::nullopt);
        ASSERT_TRUE(column.comparative) << column.refusal.toStdString();
        const auto& rows = column.comparative->rows;
        const auto row =
            std::find_if(rows.begin(), rows.end(), [&f](const auto& r) { return r.label == f[1]; });
        ASSERT_NE(row, rows.end()) << figure.toStdString();
        EXPECT_EQ(row->current, *parseAmount(f[2])) << figure.toStdString();
        EXPECT_EQ(row->prior, *parseAmount(f[3])) << figure.toStdString();
    }
}

// The earlier periods of the fourth month's books, newest first, each one chosen to compare
// with: its cash flows are those worked by hand for its month. (Books never closed refuse,
// as the comparative panel and the command line's --compare-with show.)
void expectEarlierPeriods(OpenBooks& books, const CompanyInfo& company,
                          const std::vector<std::vector<QString>>& months) {
    const QStringList earlier = folio::cashflow::earlierPeriods(&books.store());
    ASSERT_EQ(earlier.size(), 3);
    const Statements now = computeStatements(tableOf(readAccounts(books.path)), company);
    const auto flows = folio::cashflow::cashFlowsOf(now, company, &books.store(),
                                                    *books.session.cashFlowClasses());
    for (int back = 0; back < 3; ++back) {
        expectPriorCashFlows(books, now, company, flows.statement,
                             months[static_cast<std::size_t>(2 - back)], earlier[back]);
    }
}

// Runs the months of tests/cashflow/data/three_months.txt: each month's entries posted, its
// statement of cash flows against the figures worked out by hand, then the month closed
// and the closed copy selected, as a bookkeeper does.
TEST(ThreeClosedMonths, CashFlowsOfEachMonthMatchTheFiguresWorkedByHand) {
    QFile data(QStringLiteral(FOLIO_TEST_DATA "/three_months.txt"));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly | QIODevice::Text));
    QTemporaryDir dir;
    OpenBooks books;
    CompanyInfo company;
    CashFlowClasses classes;
    std::vector<AccountRecord> opening;
    std::vector<QString> expected;
    std::vector<QString> priorExpected;
    std::vector<std::vector<QString>> monthsWorked; // the cash flows of each month, by hand
    QStringList compared;                           // statement|line|now|before, by hand
    QString where;
    int month = 0;
    for (const QString& raw : QString::fromUtf8(data.readAll()).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QString word = line.section(u' ', 0, 0);
        const QStringList f = line.section(u' ', 1).split(u'|');
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
                const QString path = dir.filePath(where + QStringLiteral(".dat"));
                writeAccounts(path, opening);
                books.open(path);
                books.session.keepCashFlowClasses(classes).orThrow();
            }
            company.endingInventory = parseAmount(f[0]);
            expected.clear();
        } else if (word == u"entry") {
            books.session
                .postBalanced({}, {{books.recordNamed(f[0]), *parseAmount(f[2]), {}},
                                   {books.recordNamed(f[1]), {}, *parseAmount(f[2])}})
                .orThrow();
        } else if (word == u"compare") {
            compared << line.section(u' ', 1);
        } else if (word == u"row") {
            expected.push_back(f[0] + u'=' + formatCurrency(*parseAmount(f[1])));
        } else if (word == u"close") {
            const Statements now = computeStatements(tableOf(readAccounts(books.path)), company);
            const auto kept = books.session.cashFlowClasses();
            ASSERT_TRUE(kept);
            const auto flows = folio::cashflow::cashFlowsOf(now, company, &books.store(), *kept);
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
                expectPriorCashFlows(books, now, company, *flows.statement, priorExpected);
            }
            EXPECT_EQ(compared.isEmpty(), month == 1);
            expectComparedByHand(books, now, company, compared);
            compared.clear();
            priorExpected = expected;
            monthsWorked.push_back(expected);

            const QString closed =
                folio::closing::closedPath(books.path, folio::closing::ClosingKind::Monthly);
            // closed as the closing tab closes them: the session carries the classes along
            books.session
                .close(QStringLiteral("Monthly closing"), closed,
                       folio::closing::closeBooks(now.table, folio::closing::ClosingKind::Monthly,
                                                  *now.closing))
                .orThrow();
            books.open(closed);
            EXPECT_EQ(books.session.cashFlowClasses(), classes);
        }
    }
    EXPECT_EQ(month, 3);
    expectEarlierPeriods(books, company, monthsWorked);

    // The books of the last month changed after their closing: the prior column says so.
    const QString prior = journal::periodBeginningIn(books.store())->closedFrom;
    OpenBooks changed;
    changed.open(prior);
    changed.session.reopen(QStringLiteral("a late invoice")).orThrow(); // closed books are locked
    changed.session.post({}, {1, money("5"), {}}).orThrow();
    const Statements now = computeStatements(tableOf(readAccounts(books.path)), company);
    const auto column =
        folio::cashflow::priorColumnOf(folio::reports::Report::TrialBalance, books.path,
                                       &books.store(), now, company, std::nullopt);
    ASSERT_TRUE(column.comparative);
    EXPECT_TRUE(column.comparative->source.contains(QStringLiteral("reopened and changed on")))
        << column.comparative->source.toStdString();
}

} // namespace
