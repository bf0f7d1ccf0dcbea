#include "bank/bank_store.h"
#include "bank/import_writer.h"
#include "bank/reconciliation.h"
#include "bank/statement_reader.h"
#include "server/books_copy.h"
#include "server_database.h"
#include "session/books_session.h"
#include "support/record_fixture.h"
#include "support/run_folio.h"
#include "support/sample_books.h"
#include <QFile>
#include <QTemporaryDir>

using namespace folio;

namespace {

QString dataFile(const char* name) {
    return QStringLiteral(FOLIO_TEST_DATA "/") + QLatin1String(name);
}

// Every line of a statement finds its account: money in is a fee earned, money out rent.
bank::RuleBook everyLine() {
    QFile file(dataFile("every_line.rules"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return bank::RuleBook::fromFile(file.fileName(), file.readAll());
}

// Bank work on books kept on the private cluster (the service corporation's chart), each
// test in a database of its own.
class ServerBank : public ::testing::Test, public ServerDatabase {
  protected:
    void SetUp() override { makeBooks("bank"); }
    static bool keepEveryLineRules(session::BooksSession& session) {
        return session
            .keepRecords(
                [](journal::JournalStore& store) { bank::BankStore(store).setRules(everyLine()); })
            .succeeded();
    }
    // The preview of the statement as the session's books judge it.
    static bank::ImportPlan planFor(session::BooksSession& session, const char* statement) {
        QStringList names;
        for (const AccountRecord& record : serviceBooks()) {
            names << record.name;
        }
        bank::BankStore store(session.journalStore());
        return bank::planImport(bank::readStatement(dataFile(statement)).statement, "Cash",
                                everyLine(), store.history("Cash"), names);
    }
};

TEST_F(ServerBank, ImportAndReconciliationReachAnotherClientAndTheCopy) {
    session::BooksSession alice;
    alice.openServer(address("alice"));
    ASSERT_TRUE(keepEveryLineRules(alice));
    const session::ChangeResult imported = bank::writeImport(
        alice, planFor(alice, "checking_ofx1.ofx"), dataFile("checking_ofx1.ofx"));
    ASSERT_TRUE(imported.succeeded() && imported.seq > 0);
    EXPECT_EQ(count("folio_bank_imports"), 1);
    EXPECT_EQ(count("folio_bank_lines"), 3);

    // Another client sees the lines as imported, and the rules kept with the books.
    session::BooksSession sam;
    sam.openServer(address("sam"));
    EXPECT_EQ(planFor(sam, "checking_ofx1.ofx").includedCount(), 0U);
    EXPECT_EQ(bank::BankStore(sam.journalStore()).rules(), everyLine());

    // Both reconcile the account at once: the later is refused and sees the earlier.
    const auto reconcile = [](session::BooksSession& session) {
        bank::Reconciler reconciler(session.journalStore(), "Cash", true,
                                    session.books().get(1).current);
        reconciler.start(QDate(2026, 3, 31), money("20704.98"));
        for (std::size_t i = 0; i < reconciler.lines().size(); ++i) {
            reconciler.setCleared(i, true);
        }
        return session.keepRecords([&](journal::JournalStore&) { reconciler.finish(); });
    };
    ASSERT_TRUE(reconcile(alice).succeeded());
    EXPECT_FALSE(alice.followServer()); // its own change
    EXPECT_TRUE(reconcile(sam).refused.has_value());
    EXPECT_EQ(count("folio_reconciled_lines"), 3);
    const auto seen = bank::reconciliationsOf(sam.journalStore(), "Cash");
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].linesCleared, 3);

    // A reconciled entry changes only by reversal.
    const auto entries = count("folio_entries");
    const session::ChangeResult undone = alice.undo();
    ASSERT_TRUE(undone.refused.has_value());
    EXPECT_TRUE(undone.refused->contains(QLatin1String("cannot be undone")));
    EXPECT_EQ(count("folio_entries"), entries);

    // Server, file, server, file: the same bytes, the same journal and bank work.
    QTemporaryDir dir;
    const QString first = dir.filePath("first.dat");
    const QString back = dir.filePath("back.dat");
    server::copyServerToFile(as("sam"), first);
    const auto second = as("sam", "second");
    server::copyFileToServer(first, second);
    server::copyServerToFile(second, back);
    EXPECT_EQ(fileBytes(back), fileBytes(first));
    EXPECT_EQ(readAccounts(first), server::ServerBooks(as("sam")).records());
    EXPECT_TRUE(journalDump(first).contains("ACME CORP PAYROLL"));
    EXPECT_EQ(journalDump(back), journalDump(first));
    EXPECT_EQ(count("folio_reconciled_lines"), 6);
}

// Two clients import the same statement at once (and a script after them): it is imported
// once; the later one is told, with nothing written.
TEST_F(ServerBank, AStatementImportedByTwoClientsAtOnceIsImportedOnce) {
    session::BooksSession alice;
    session::BooksSession sam;
    alice.openServer(address("alice"));
    sam.openServer(address("sam"));
    const bank::ImportPlan alicePlan = planFor(alice, "checking_ofx1.ofx");
    const bank::ImportPlan samPlan = planFor(sam, "checking_ofx1.ofx");
    // Rules kept by one client stay when another, whose copy came before them, posts.
    ASSERT_TRUE(keepEveryLineRules(alice));
    ASSERT_TRUE(sam.post({QDate(2026, 2, 2), "rent"}, {8, money("10"), Money()}).succeeded());
    EXPECT_EQ(count("folio_values WHERE key = 'bank-rules'"), 1);
    ASSERT_EQ(samPlan.includedCount(), 3U);
    ASSERT_TRUE(bank::writeImport(alice, alicePlan, dataFile("checking_ofx1.ofx")).succeeded());
    const session::ChangeResult late =
        bank::writeImport(sam, samPlan, dataFile("checking_ofx1.ofx"));
    ASSERT_TRUE(late.refused.has_value());
    EXPECT_TRUE(late.refused->contains(QLatin1String("3 of these lines were imported into Cash "
                                                     "meanwhile")))
        << late.refused->toStdString();
    EXPECT_FALSE(late.tookEffect);
    EXPECT_EQ(count("folio_bank_imports"), 1);
    EXPECT_EQ(count("folio_entries WHERE kind = 'import'"), 1);
    EXPECT_EQ(planFor(sam, "checking_ofx1.ofx").includedCount(), 0U);

    // From the command line, with the rules in a file.
    const struct {
        const char* statement;
        const char* said;
    } cases[] = {
        {"checking_ofx2.ofx", "2 of 2 lines imported into Cash"},
        {"checking_ofx1.ofx", "Nothing new to import"},
    };
    for (const auto& c : cases) {
        const Ran ran = runFolio({"--import", dataFile(c.statement), address("alice"), "--account",
                                  "Cash", "--rules", dataFile("every_line.rules")});
        EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString();
        EXPECT_TRUE(ran.out.contains(QLatin1String(c.said))) << ran.out.toStdString();
    }
    EXPECT_EQ(count("folio_bank_imports"), 2);
}

} // namespace
