#include "bank/bank_rules.h"
#include "session/books_session.h"
#include "support/books_fixture.h"
#include <QDir>
#include <QProcess>

namespace {

QString statementFile(const char* name) {
    return QDir::cleanPath(QStringLiteral(FOLIO_TEST_DATA "/../../bank/data/") +
                           QLatin1String(name));
}

struct Ran {
    int exitCode;
    QString out;
    QString err;
};

// `folio --import ...` as a script runs it: no display at all.
Ran folioImport(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FOLIO_BINARY), QStringList{"--import"} + arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(ImportCommand, ImportsOnceWritesNothingWhenRefusedAndSaysWhy) {
    QTemporaryDir dir;
    const QString books = dir.filePath("books.dat");
    writeAccounts(books, {account("Cash", "D1", "1000"), account("Sales", "C4"),
                          account("Utilities", "D5"), account("Bank Fees", "D5")});
    bank::RuleBook rules;
    rules.rules = {{bank::BankRule::Match::Contains, "PAYROLL", {}, {}, {}, "Sales", {}},
                   {bank::BankRule::Match::Pattern, "POWER|FEE", {}, {}, {}, "Utilities", {}},
                   {bank::BankRule::Match::Contains, "CHARGE", {}, {}, {}, "Bank Fees", {}}};
    const QString rulesFile = dir.filePath("rules.json");
    writeBytes(rulesFile, rules.toFile());
    writeBytes(dir.filePath("bad rules.json"), "{}");
    const QString ofx = statementFile("checking_ofx1.ofx");
    const QStringList cash{"--account", "Cash", "--rules", rulesFile};

    const struct {
        QStringList arguments;
        int exitCode;
        const char* words;
    } refused[] = {
        {QStringList{ofx, books, "--dry-run"} + cash.mid(0, 2) +
             QStringList{"--rules", dir.filePath("bad rules.json")},
         1, "bad rules.json: this is not a file of rules"},
        {{statementFile("bad_amount.csv"), books, "--account", "Cash"},
         1,
         "bad_amount.csv, line 3: the amount \"12.3x\" is not a number"},
        {{statementFile("ambiguous_dates.csv"), books, "--account", "Cash"}, 1, "--date-format"},
        {{statementFile("no_header.csv"), books, "--account", "Cash"}, 1, "Choose which columns"},
        {{ofx, books, "--account", "Checking"}, 1, "no account named \"Checking\""},
        {{ofx, dir.filePath("none.dat"), "--account", "Cash"}, 1, "cannot read the accounts file"},
        {{ofx, books}, 2, "--account NAME"},
        {{ofx, books, "--account", "Cash", "--date-format", "DMY"}, 2, "--date-format must be"},
        {{ofx}, 2, "needs the statement and the books file"},
    };
    const QByteArray before = fileBytes(books);
    for (const auto& r : refused) {
        const Ran ran = folioImport(r.arguments);
        EXPECT_EQ(ran.exitCode, r.exitCode) << r.arguments.join(' ').toStdString();
        EXPECT_TRUE(ran.err.contains(QString::fromUtf8(r.words))) << ran.err.toStdString();
        EXPECT_EQ(fileBytes(books), before) << r.arguments.join(' ').toStdString();
    }

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

    // A file whose dates read both ways is read the way the command line says.
    const Ran dayFirst = folioImport({statementFile("ambiguous_dates.csv"), books, "--account",
                                      "Cash", "--date-format", "DD/MM/YYYY", "--dry-run"});
    EXPECT_EQ(dayFirst.exitCode, 0) << dayFirst.err.toStdString();
    EXPECT_TRUE(dayFirst.out.contains("04/03/2026")) << dayFirst.out.toStdString();
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
