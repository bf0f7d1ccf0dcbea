// The exported journal read by the real hledger: its balance sheet and income statement
// totals are Folio's own statement figures, and its balance assertions hold.
#include "data/account_table.h"
#include "journal/csv_export.h"
#include "journal/ledger_export.h"
#include "journal_fixture.h"
#include "statements/balance_sheet.h"
#include "statements/equity.h"
#include "statements/income_statement.h"
#include "support/sample_books.h"
#include <QProcess>
#include <map>

using namespace folio::journal;

namespace {

// Runs hledger; its output, or empty with a test failure when it does not succeed.
QString hledger(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("hledger"), arguments);
    const bool ran = process.waitForFinished(60000);
    EXPECT_TRUE(ran && process.exitCode() == 0) << arguments.join(' ').toStdString() << ": "
                                                << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The "total" and "Net:" rows of a hledger report in CSV, by the section they close.
std::map<QString, Money> totals(const QString& csv) {
    std::map<QString, Money> found;
    QString section;
    for (QString row : csv.split('\n', Qt::SkipEmptyParts)) {
        row.remove('"');
        const QStringList cells = row.split(',');
        const QString amount = cells.value(1).remove('$');
        if (cells[0] == "total" || cells[0] == "Net:") {
            found[cells[0] == "Net:" ? "Net" : section] =
                amount.isEmpty() ? Money() : money(amount.toLatin1().constData());
        } else if (!cells[0].contains(':') && cells.value(1).isEmpty()) {
            section = cells[0];
        }
    }
    return found;
}

class LedgerExport : public JournalFixture {
  protected:
    // A few days of work on the books: postings, a balanced entry, a rename, a deletion,
    // an undo and a reversal.
    void work(int sales) {
        post(1, "250");
        post(sales, "0", "250");
        journal.postBalanced(file(), {QDate(2026, 12, 3), "supplies; paid"},
                             {{8, money("120.5"), Money()}, {1, Money(), money("120.5")}});
        AccountRecord renamed = files.get(1, 2);
        renamed.setName("Receivables: trade");
        journal.record(file(), EntryKind::SetupEdit, {}, {{2, renamed, Money(), Money()}});
        std::vector<AccountRecord> kept = readAccounts(books);
        kept.erase(kept.begin() + 3);
        journal.record(file(), EntryKind::Deletion, {},
                       BooksJournal::wholeFile(fileBytes(books), kept));
        journal.undo(file());
        journal.reverse(file(), post(1, "99.99"), "typed twice");
    }
};

TEST_F(LedgerExport, HledgerTotalsAreFolioStatementFigures) {
    for (const bool merchandising : {true, false}) {
        start(merchandising ? merchandisingBooks() : serviceBooks());
        work(merchandising ? 10 : 7);
        const QString exported = dir.filePath("books.ledger");
        ASSERT_EQ(exportLedger(journal.store(), exported), ExportResult::Written);
        hledger({"-f", exported, "check"});
        const auto sheet = totals(hledger({"-f", exported, "bse", "-O", "csv"}));
        const auto income = totals(hledger({"-f", exported, "is", "-O", "csv"}));

        const AccountTable table = AccountTable::read(files, 1, files.recordCount(1));
        Money inventory;
        for (const AccountEntry& account : table.entries) {
            inventory = account.type == "D1I" ? account.current : inventory;
        }
        const IncomeStatementFigures statement = merchandising
                                                     ? computeMerchandisingIncome(table, inventory)
                                                     : computeServiceIncome(table);
        const BalanceSheetFigures balance = computeBalanceSheet(table, inventory);
        const EquityFigures equity = computeEquity(table);
        const RetainedEarnings retained =
            retainedEarnings(equity.begCap, statement.current.netIncome);
        const std::string set = merchandising ? "merchandising" : "service";
        EXPECT_EQ(sheet.at("Assets"), balance.assets) << set;
        EXPECT_EQ(sheet.at("Liabilities"), balance.liabilities) << set;
        EXPECT_EQ(sheet.at("Equity") + income.at("Net"), balance.capitalStock + retained.ending)
            << set;
        EXPECT_EQ(income.at("Revenues"), statement.current.netSales) << set;
        EXPECT_EQ(income.at("Expenses"),
                  statement.current.costOfGoodsSold + statement.current.expenses)
            << set;
        EXPECT_EQ(income.at("Net"), statement.current.netIncome) << set;
    }
}

TEST_F(LedgerExport, CsvHasOneRowPerLineAndACancelledExportLeavesNoFile) {
    start(serviceBooks());
    work(7);
    const QString csv = dir.filePath("books.csv");
    ASSERT_EQ(exportCsv(journal.store(), csv), ExportResult::Written);
    const QStringList rows = QString::fromUtf8(fileBytes(csv)).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(rows.size(), 1 + 9 + 1 + 1 + 2 + 1 + 6 + 6 + 1 + 1);
    EXPECT_EQ(rows[11].section(',', 3), "posting,,,7,Fees  Earned,C4,0.00,250.00,4000.00,4250.00,"
                                        "12000.00,12250.00");
    EXPECT_EQ(rows.filter(",balanced,supplies; paid,,").size(), 2);
    EXPECT_EQ(rows.filter(",reversal,typed twice,").size(), 1);

    const QString cancelled = dir.filePath("cancelled.ledger");
    addPostings(1200);
    std::int64_t told = 0;
    const auto stop = [&](std::int64_t done, std::int64_t total) {
        told = total;
        return done < 1000;
    };
    EXPECT_EQ(exportLedger(journal.store(), cancelled, stop), ExportResult::Cancelled);
    EXPECT_EQ(told, journal.store().appliedCount());
    EXPECT_FALSE(QFile::exists(cancelled));
}

} // namespace
