#include "cashflow/cash_flow_source.h"
#include "closing/closing_rules.h"
#include "data/file_table.h"
#include "data/text_rules.h"
#include "journal/books_journal.h"
#include "journal/cash_flow_classes.h"
#include "reports/cash_flow_rows.h"
#include "support/record_fixture.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folio::statements;

namespace {

// Books kept as the window keeps them: the file under a handle and its journal open.
struct OpenBooks {
    QString path;
    FileTable files;
    journal::BooksJournal journal;

    void open(const QString& at) {
        journal.close();
        files.closeAll();
        path = at;
        files.open(1, path);
        journal.open({files, 1, path});
    }
    int recordNamed(const QString& name) {
        const std::vector<AccountRecord> records = readAccounts(path);
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (records[i].name == name) {
                return static_cast<int>(i) + 1;
            }
        }
        ADD_FAILURE() << "no account " << name.toStdString();
        return 0;
    }
};

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
                journal::keepCashFlowClasses(books.journal.store(), classes);
            }
            company.endingInventory = parseAmount(f[0]);
            expected.clear();
        } else if (word == u"entry") {
            books.journal.postBalanced({books.files, 1, books.path}, {},
                                       {{books.recordNamed(f[0]), *parseAmount(f[2]), {}},
                                        {books.recordNamed(f[1]), {}, *parseAmount(f[2])}});
        } else if (word == u"row") {
            expected.push_back(f[0] + u'=' + formatCurrency(*parseAmount(f[1])));
        } else if (word == u"close") {
            const Statements now = computeStatements(tableOf(readAccounts(books.path)), company);
            const auto kept = journal::cashFlowClassesIn(books.journal.store());
            ASSERT_TRUE(kept);
            const auto flows =
                folio::cashflow::cashFlowsOf(now, company, &books.journal.store(), *kept);
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

            const QString closed =
                folio::closing::closedPath(books.path, folio::closing::ClosingKind::Monthly);
            journal::BooksJournal::writeClosedCopy(
                closed, books.path, QStringLiteral("Monthly closing"),
                folio::closing::closeBooks(now.table, folio::closing::ClosingKind::Monthly,
                                           *now.closing),
                {});
            journal::carryCashFlowClasses(books.journal.store(), closed);
            books.open(closed);
        }
    }
    EXPECT_EQ(month, 3);
}

} // namespace
