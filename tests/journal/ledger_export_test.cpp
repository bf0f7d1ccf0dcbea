// The exported journal read by the real hledger and ledger: both read it without error, its
// balance sheet and income statement totals are Folio's own statement figures, every
// account's balance is the one the books hold, and its balance assertions hold.
#include "data/account_table.h"
#include "data/csv_text.h"
#include "journal/csv_export.h"
#include "journal/ledger_export.h"
#include "journal_fixture.h"
#include "reports/statement_csv.h"
#include "statements/statement_chain.h"
#include "support/sample_books.h"
#include <map>

using namespace folio::journal;

namespace {

QString hledger(const QStringList& arguments) {
    return toolOutput("hledger", arguments);
}

// Every account's balance as hledger or ledger reports it, zero balances left out.
std::map<QString, Money> balances(const QString& tool, const QString& journal) {
    const bool csv = tool == "hledger";
    const QString text =
        csv ? hledger({"-f", journal, "bal", "--flat", "--no-total", "-O", "csv"})
            : toolOutput(tool, {"-f", journal, "bal", "--flat", "--no-total", "-F",
                                "%(account)\t%(quantity(scrub(display_total)))\n"});
    std::map<QString, Money> found;
    const QChar part = csv ? u',' : u'\t';
    for (QString row : text.split('\n', Qt::SkipEmptyParts).mid(csv ? 1 : 0)) {
        row.remove('"').remove('$');
        found[row.section(part, 0, 0)] = money(row.section(part, 1).toLatin1().constData());
    }
    return found;
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
        session.postBalanced({QDate(2026, 12, 3), "supplies; paid"},
                             {{8, money("120.5"), Money()}, {1, Money(), money("120.5")}});
        AccountRecord renamed = readAccounts(books)[1];
        renamed.name = "Receivables: trade";
        record(EntryKind::SetupEdit, {{2, renamed, Money(), Money()}});
        const int count = static_cast<int>(readAccounts(books).size());
        session.deleteAccount(4, count, readAccounts(books)[3].name);
        session.undo();
        session.reverse(post(1, "99.99"), "typed twice");
    }
};

TEST_F(LedgerExport, HledgerTotalsAreFolioStatementFigures) {
    for (const bool merchandising : {true, false}) {
        start(merchandising ? merchandisingBooks() : serviceBooks());
        work(merchandising ? 9 : 6);
        const QString exported = dir.filePath("books.ledger");
        ASSERT_EQ(exportLedger(store(), exported, books), ExportResult::Written);
        hledger({"-f", exported, "check"});
        EXPECT_EQ(balances("ledger", exported), balances("hledger", exported));
        const auto sheet = totals(hledger({"-f", exported, "bse", "-O", "csv"}));
        const auto income = totals(hledger({"-f", exported, "is", "-O", "csv"}));

        statements::CompanyInfo company;
        company.business =
            merchandising ? statements::Business::Merchandising : statements::Business::Service;
        const AccountTable table = session.books().read();
        for (const AccountRecord& account : table.records) {
            if (account.type == "D1I") {
                company.endingInventory = account.current; // no change in the inventory
            }
        }
        const statements::Statements figures = statements::computeStatements(table, company);
        const std::string set = merchandising ? "merchandising" : "service";
        ASSERT_TRUE(figures.balance && figures.income && figures.equity) << set;
        EXPECT_EQ(sheet.at("Assets"), figures.balance->totalAssets.current) << set;
        EXPECT_EQ(sheet.at("Liabilities"), figures.balance->liabilities.current) << set;
        EXPECT_EQ(sheet.at("Equity") + income.at("Net"), figures.equity->total.current) << set;
        EXPECT_EQ(income.at("Revenues"), figures.income->netSales.current) << set;
        EXPECT_EQ(income.at("Expenses"),
                  figures.income->costOfGoodsSold.current + figures.income->expenses.current)
            << set;
        EXPECT_EQ(income.at("Net"), figures.income->netIncome.current) << set;
    }
}

TEST_F(LedgerExport, CsvHasOneRowPerLineAndACancelledExportLeavesNoFile) {
    start(serviceBooks());
    work(6);
    const QString csv = dir.filePath("books.csv");
    ASSERT_EQ(exportCsv(store(), csv, books), ExportResult::Written);
    const QStringList rows = QString::fromUtf8(fileBytes(csv)).split('\n', Qt::SkipEmptyParts);
    // The deletion and its undo hold the one record removed and put back.
    EXPECT_EQ(rows.size(), 1 + 8 + 1 + 1 + 2 + 1 + 1 + 1 + 1 + 1);
    EXPECT_EQ(rows[10].section(',', 3),
              "posting,,,6,Fees Earned,C4,0.00,250.00,4500.00,4750.00,4500.00,4750.00");
    EXPECT_EQ(rows.filter(",balanced,supplies; paid,,").size(), 2);
    EXPECT_EQ(rows.filter(",reversal,typed twice,").size(), 1);

    const QString cancelled = dir.filePath("cancelled.ledger");
    addPostings(1200);
    std::int64_t told = 0;
    const auto stop = [&](std::int64_t done, std::int64_t total) {
        told = total;
        return done < 1000;
    };
    EXPECT_EQ(exportLedger(store(), cancelled, books, stop), ExportResult::Cancelled);
    EXPECT_EQ(told, store().appliedCount());
    EXPECT_FALSE(QFile::exists(cancelled));
}

TEST_F(LedgerExport, AccountsOfOneNameStayApartAndEveryBalanceIsTheBooks) {
    start({account("Cash", "D1", "100"), account("Petty Cash", "D1", "20"),
           account("Cash", "D1", "5"), account("Capital Stock", "C3C", "90")});
    post(3, "100");
    AccountRecord typed = session.books().get(4);
    typed.current = money("140"); // a balance typed on the setup tab
    record(EntryKind::SetupEdit, {{4, typed, Money(), Money()}});
    AccountRecord renamed = session.books().get(2);
    renamed.name = "Cash"; // three of one name, then two again
    record(EntryKind::SetupEdit, {{2, renamed, Money(), Money()}});
    session.undo();
    const QString exported = dir.filePath("books.journal.txt");
    ASSERT_EQ(exportLedger(store(), exported, books), ExportResult::Written);

    std::map<QString, Money> expected;
    Money total;
    const std::vector<AccountRecord> held = readAccounts(books);
    for (std::size_t i = 0; i < held.size(); ++i) {
        const QString name = ledgerAccountName(held[i].name, held[i].type);
        expected[held[i].name == "Cash" ? name + QStringLiteral(" #%1").arg(i + 1) : name] =
            ledgerBalance(held[i]);
        total += ledgerBalance(held[i]);
    }
    expected["Equity:Folio balancing of amounts posted to one side only"] = Money() - total;
    EXPECT_EQ(balances("hledger", exported), expected);
    EXPECT_EQ(balances("ledger", exported), expected);
    EXPECT_TRUE(QString::fromUtf8(fileBytes(exported)).contains("ending inventory"));
}

TEST_F(LedgerExport, CsvKeepsTypedTextFromBeingReadAsAFormula) {
    const char* const typed[] = {
        "+1+1", "@SUM(1+1)", "=HYPERLINK(\"http://x.test\",\"pay\")", "=cmd|' /C calc'!A0",
        "-2+3", "\tTab"};
    std::vector<AccountRecord> records;
    for (const char* name : typed) {
        records.push_back(account(name, "D1", "5"));
    }
    start(records);
    for (int record = 1; record <= static_cast<int>(records.size()); ++record) {
        session.post({QDate(2026, 3, 1), typed[record - 1]}, {record, money("1"), Money()});
    }
    const QString csv = dir.filePath("books.csv");
    ASSERT_EQ(exportCsv(store(), csv, books), ExportResult::Written);
    const QString journalText = QString::fromUtf8(fileBytes(csv));
    const QString statementText =
        folio::reports::statementCsv(folio::reports::Report::TrialBalance, {},
                                     statements::computeStatements(tableOf(records), {}));
    for (const char* text : typed) {
        const QString cell = folio::csvField(QLatin1Char('\'') + QString::fromUtf8(text));
        // the name in the opening entry and the posting, the memo in the posting
        EXPECT_EQ(journalText.count("," + cell + ","), 3) << text;
        EXPECT_TRUE(statementText.contains("\r\n" + cell + ",")) << text;
    }
}

} // namespace
