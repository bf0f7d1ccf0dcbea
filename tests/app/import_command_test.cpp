#include "bank/bank_rules.h"
#include "session/books_session.h"
#include "support/books_fixture.h"
#include "support/run_folio.h"
#include <QDir>

namespace {

QString statementFile(const char* name) {
    return QDir::cleanPath(QStringLiteral(FOLIO_TEST_DATA "/../../bank/data/") +
                           QLatin1String(name));
}

// `folio --import ...` as a script runs it: no display at all.
Ran folioImport(const QStringList& arguments) {
    return runFolio(QStringList{"--import"} + arguments);
}

// A dry run writes nothing, an import writes once and the same statement again nothing. A
// file whose dates read both ways, read as the command line says, is among its answers.
TEST(ImportCommand, ImportsOnce) {
    QTemporaryDir dir;
    const QString books = dir.filePath("books.dat");
    writeAccounts(books, {account("Cash", "D1", "1000"), account("Sales", "C4"),
                          account("Utilities", "D5"), account("Bank Fees", "D5")});
    const QString ofx = statementFile("checking_ofx1.ofx");
    const QStringList cash{"--account", "Cash", "--rules", statementFile("march.rules")};
    const QByteArray before = fileBytes(books);
    const Ran dry = folioImport(QStringList{ofx, books, "--dry-run"} + cash);
    EXPECT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains("3 of 3 lines would be imported")) << dry.out.toStdString();
    EXPECT_EQ(fileBytes(books), before);

    const Ran first = folioImport(QStringList{ofx, books} + cash);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("3 of 3 lines imported into Cash")) << first.out.toStdString();
    EXPECT_EQ(readAccounts(books)[0].current, money("3454.23"));

    const QByteArray imported = fileBytes(books);
    const Ran again = folioImport(QStringList{ofx, books} + cash);
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains("Nothing new to import")) << again.out.toStdString();
    EXPECT_TRUE(again.out.contains("transaction id 2026030201 was imported before"));
    EXPECT_EQ(fileBytes(books), imported);
}

TEST(ImportCommand, LockedBooksRefuseTheStatementAndWriteNothing) {
    QTemporaryDir dir;
    const QString books = dir.filePath("books.dat");
    writeAccounts(books, {account("Cash", "D1", "1000"), account("Sales", "C4")});
    bank::RuleBook rules; // every line to sales
    rules.rules = {{bank::BankRule::Match::Pattern, ".", {}, {}, {}, "Sales", {}}};
    const QString rulesFile = dir.filePath("rules.json");
    writeBytes(rulesFile, rules.toFile());
    {
        folio::session::BooksSession session;
        session.books().select(books);
        session.openJournal();
        ASSERT_TRUE(session.lockThrough(QDate(2026, 3, 5)).succeeded());
    }
    const QByteArray before = fileBytes(books);
    const Ran ran = folioImport(
        {statementFile("checking_ofx1.ofx"), books, "--account", "Cash", "--rules", rulesFile});
    EXPECT_NE(ran.exitCode, 0);
    EXPECT_TRUE(ran.err.contains("locked through 3/5/2026"))
        << ran.out.toStdString() << ran.err.toStdString();
    EXPECT_EQ(fileBytes(books), before);
    folio::session::BooksSession session;
    session.books().select(books);
    session.openJournal();
    EXPECT_EQ(session.journalStore().entry(session.journalStore().lastSeq())->kind,
              folio::journal::EntryKind::Lock); // nothing recorded after the lock
}

} // namespace
