#include "session/books_session.h"
#include "support/books_fixture.h"
#include "support/run_folio.h"
#include <QDir>

namespace {

QString statementFile(const char* name) {
    return QDir::cleanPath(QStringLiteral(FOLIO_TEST_DATA "/../../bank/data/") +
                           QLatin1String(name));
}

class ImportCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        writeAccounts(books, {account("Cash", "D1", "1000"), account("Sales", "C4"),
                              account("Utilities", "D5"), account("Bank Fees", "D5")});
    }
    // `folio --import` of a statement into Cash by the March rules, as a script runs it: no
    // display at all.
    Ran folioImport(const QStringList& more = {}) {
        return runFolio(QStringList{"--import", statementFile("checking_ofx1.ofx"), books,
                                    "--account", "Cash", "--rules", statementFile("march.rules")} +
                        more);
    }
    QTemporaryDir dir;
    const QString books = dir.filePath("books.dat");
};

// A dry run writes nothing, an import writes once and the same statement again nothing. A
// file whose dates read both ways, read as the command line says, is among its answers.
TEST_F(ImportCommand, ImportsOnce) {
    const QByteArray before = fileBytes(books);
    const Ran dry = folioImport({"--dry-run"});
    EXPECT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_TRUE(dry.out.contains("3 of 3 lines would be imported")) << dry.out.toStdString();
    EXPECT_EQ(fileBytes(books), before);

    const Ran first = folioImport();
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("3 of 3 lines imported into Cash")) << first.out.toStdString();
    EXPECT_EQ(readAccounts(books)[0].current, money("3454.23"));

    const QByteArray imported = fileBytes(books);
    const Ran again = folioImport();
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains("Nothing new to import")) << again.out.toStdString();
    EXPECT_TRUE(again.out.contains("transaction id 2026030201 was imported before"));
    EXPECT_EQ(fileBytes(books), imported);
}

TEST_F(ImportCommand, LockedBooksRefuseTheStatementAndWriteNothing) {
    {
        folio::session::BooksSession session;
        session.books().select(books);
        session.openJournal();
        ASSERT_TRUE(session.lockThrough(QDate(2026, 3, 5)).succeeded());
    }
    const QByteArray before = fileBytes(books);
    const Ran ran = folioImport();
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
