#include "data/file_table.h"
#include "journal/books_journal.h"
#include "server/books_copy.h"
#include "server/change_listener.h"
#include "server/server_books.h"
#include "server_books_test.h"
#include "support/record_fixture.h"
#include "support/run_folio.h"
#include "support/sample_books.h"
#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <map>
#include <pqxx/pqxx>
#include <thread>

using namespace folio::server;
using folio::journal::AmountLine;
using folio::journal::EntryKind;

namespace {

AmountLine line(int record, const char* debit, const char* credit = "0") {
    return {record, money(debit), money(credit)};
}

// A run of folio from the command line: its exit status and words it prints.
struct CommandRun {
    QStringList arguments;
    int status;
    const char* words;
};

// Each run ends with its status and says its words, on standard error (or on either output).
template <std::size_t N> void expectRuns(const CommandRun (&runs)[N], bool eitherOutput) {
    for (const CommandRun& run : runs) {
        const Ran ran = runFolio(run.arguments);
        EXPECT_EQ(ran.exitCode, run.status) << run.arguments.join(u' ').toStdString();
        EXPECT_TRUE((eitherOutput ? ran.out + ran.err : ran.err).contains(QLatin1String(run.words)))
            << ran.err.toStdString();
    }
}

// A client that skips Folio's checks is refused by the server itself.
TEST_F(ServerBooksTest, RawSqlThatBreaksARuleIsRefused) {
    ServerBooks(as("sam")).lockThrough(QDate(2026, 1, 31));
    const std::vector<QStringList> cases = readCases(FOLIO_TEST_DATA "/refused_sql.cases");
    ASSERT_EQ(cases.size(), 14u);
    for (const QStringList& c : cases) {
        const QString words = refusal(c[0], c[2].toStdString());
        EXPECT_TRUE(words.contains(c[1])) << c[2].toStdString() << " -> " << words.toStdString();
    }
    EXPECT_EQ(ServerBooks(as("alice")).entries().size(), 1u);
}

// Eight bookkeepers posting at once, some to the same accounts: every posting is in the
// journal once, every balance is the sum of its lines, and no conflict reaches a user.
TEST_F(ServerBooksTest, EightClientsPostingAtOnceLoseNothing) {
    constexpr int kClients = 8;
    constexpr int kEach = 500;
    std::atomic<int> failures{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            ServerBooks books(as("alice"));
            for (int i = 0; i < kEach; ++i) {
                const int record = (i % 2 == 0) ? 1 : 2 + (c % 5); // half to Cash
                try {
                    books.post(EntryKind::Posting, QDate(2026, 2, 1 + i % 28),
                               QStringLiteral("c%1-%2").arg(c).arg(i), {line(record, "1.25")});
                } catch (const ServerError&) {
                    ++failures;
                }
            }
        });
    }
    for (std::thread& client : clients) {
        client.join();
    }
    EXPECT_EQ(failures.load(), 0);
    ServerBooks books(as("alice"));
    const auto entries = books.entries();
    ASSERT_EQ(entries.size(), 1u + kClients * kEach);
    std::map<QString, int> memos;
    std::map<int, folio::Money> moved;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].seq, static_cast<std::int64_t>(i) + 1);
        ++memos[entries[i].memo];
        for (const auto& l : entries[i].lines) {
            moved[l.record] += l.after->current - l.before->current;
        }
    }
    EXPECT_EQ(memos.size(), static_cast<std::size_t>(kClients * kEach));
    const auto opening = serviceBooks();
    const auto now = books.records();
    for (std::size_t r = 0; r < opening.size(); ++r) {
        EXPECT_EQ(now[r].current, opening[r].current + moved[static_cast<int>(r) + 1]) << r;
    }
}

TEST_F(ServerBooksTest, TwoSupervisorsClosingAtOnceOneClosesTheOtherIsTold) {
    std::atomic<int> closed{0};
    std::vector<QString> told(2);
    std::vector<std::thread> supervisors;
    for (int s = 0; s < 2; ++s) {
        supervisors.emplace_back([&, s] {
            try {
                ServerBooks(as("sam")).markClosed("closed monthly");
                ++closed;
            } catch (const ServerError& e) {
                told[static_cast<std::size_t>(s)] = e.words();
            }
        });
    }
    for (std::thread& s : supervisors) {
        s.join();
    }
    EXPECT_EQ(closed.load(), 1);
    EXPECT_TRUE(told[0].contains(QLatin1String("closed already")) ||
                told[1].contains(QLatin1String("closed already")));
}

// A client killed inside its transaction leaves nothing half-written.
TEST_F(ServerBooksTest, AClientKilledInsideATransactionLeavesNothing) {
    QProcess psql;
    psql.start(cluster.binary("psql"),
               {QString::fromStdString(cluster.address(database, "alice"))});
    ASSERT_TRUE(psql.waitForStarted());
    psql.write("BEGIN;\nUPDATE folio_accounts SET current_balance = 1 WHERE record = 1;\n"
               "INSERT INTO folio_entries(books, seq, made, date, kind) VALUES "
               "(1, 2, 'now', '2026-02-02', 'posting');\nSELECT pg_sleep(60);\n");
    psql.waitForBytesWritten();
    // Killed once the server is inside its transaction, asleep after the writes.
    pqxx::connection admin(cluster.address(database));
    for (int tries = 0; tries < 600; ++tries) {
        pqxx::nontransaction t(admin);
        if (!t.exec("SELECT 1 FROM pg_stat_activity WHERE query LIKE 'SELECT pg_sleep%'").empty()) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    psql.kill();
    psql.waitForFinished();
    ServerBooks books(as("alice"));
    EXPECT_EQ(books.entries().size(), 1u);
    EXPECT_EQ(books.records()[0], serviceBooks()[0]);
    EXPECT_EQ(books.post(EntryKind::Posting, QDate(2026, 2, 2), {}, {line(1, "5")}), 2);
}

TEST_F(ServerBooksTest, ABalancedEntryIsAllOrNothingAndOthersHearOfIt) {
    ChangeListener listener(as("alice"));
    ServerBooks books(as("alice"));
    EXPECT_THROW(
        books.post(EntryKind::Balanced, QDate(2026, 2, 3), {}, {line(1, "10"), line(6, "0", "9")}),
        ServerError);
    EXPECT_FALSE(listener.changedSinceLastLook());
    books.post(EntryKind::Balanced, QDate(2026, 2, 3), "Fees", {line(1, "10"), line(6, "0", "10")});
    EXPECT_TRUE(listener.waitForChange(10));
    EXPECT_EQ(books.makers().back(), "alice");
}

// Books whose journal keeps its opening as blocks of the file reach the server a row a
// record, and come back with the same lines.
TEST_F(ServerBooksTest, AnOpeningKeptAsBlocksReachesTheServerARowARecord) {
    QTemporaryDir dir;
    const QString first = dir.filePath("first.dat");
    writeAccounts(first, serviceBooks());
    const auto linesOf = [](const QString& books) {
        folio::journal::JournalStore store;
        store.openToRead(folio::journal::journalPathOf(books));
        const folio::journal::Entry opening = *store.entry(1);
        QStringList lines;
        for (const folio::journal::Line& line : opening.lines) {
            lines << QStringLiteral("%1 %2 %3")
                         .arg(line.record)
                         .arg(line.name, QString::fromLatin1(line.after->encodeBytes().toHex()));
        }
        return std::pair{opening.image.has_value(), lines};
    };
    {
        folio::FileTable files;
        files.open(1, first);
        folio::journal::BooksJournal journal;
        ASSERT_TRUE(journal.open({files, 1, first}).started);
    }
    const auto second = as("sam", "second");
    copyFileToServer(first, second);
    const QString back = dir.filePath("back.dat");
    copyServerToFile(second, back);
    EXPECT_EQ(fileBytes(back), fileBytes(first));
    const auto [firstAsBlocks, firstLines] = linesOf(first);
    const auto [backAsBlocks, backLines] = linesOf(back);
    EXPECT_TRUE(firstAsBlocks);
    EXPECT_FALSE(backAsBlocks);
    EXPECT_EQ(firstLines.size(), static_cast<qsizetype>(serviceBooks().size()));
    EXPECT_EQ(backLines, firstLines);
}

// folio --copy from the command line: 0 copied, 1 refused with a message, 2 a wrong line.
TEST_F(ServerBooksTest, CopyFromTheCommandLine) {
    QTemporaryDir dir;
    const QString file = dir.filePath("books.dat");
    writeAccounts(file, merchandisingBooks());
    const QString server = address("sam", "copied");
    const QString back = dir.filePath("back.dat");
    const CommandRun cases[] = {
        {{"--copy", file}, 2, "--copy needs"}, {{"--copy", file, back}, 1, "one of FROM and TO"},
        {{"--copy", file, server}, 0, ""},     {{"--copy", file, server}, 1, "already"},
        {{"--copy", server, back}, 0, ""},     {{"--copy", server, back}, 1, "exists already"},
    };
    expectRuns(cases, false);
    EXPECT_EQ(fileBytes(back), fileBytes(file));
}

// --verify and --export take a server's address as they take a file: the same outputs and
// exit codes, the export that of the books' copy, one message and 1 when the server or the
// books cannot be found.
TEST_F(ServerBooksTest, VerifyAndExportServerBooksFromTheCommandLine) {
    ServerBooks(as("alice"))
        .post(EntryKind::Posting, QDate(2026, 2, 4), "Paid", {line(2, "0", "50")});
    QTemporaryDir dir;
    const QString server = address("sam");
    const QString copy = dir.filePath("copy.dat");
    ASSERT_EQ(runFolio({"--copy", server, copy}).exitCode, 0);
    const QString unknown = address("sam", "nothing");
    const CommandRun cases[] = {
        {{"--verify", server}, 0, "verified: 2 entries"},
        {{"--verify", copy}, 0, "verified: 2 entries"},
        {{"--verify", unknown}, 1, "holds no books named \"nothing\""},
        {{"--verify", "postgresql:///none?host=/nonexistent"}, 1, "cannot reach"},
        {{"--export", "trial-balance", unknown, dir.filePath("out.csv")}, 1, "holds no books"},
    };
    expectRuns(cases, true);
    for (const QString suffix : {".csv", ".pdf"}) {
        QStringList made;
        for (const QString& books : {server, copy}) {
            made << dir.filePath(QString::number(made.size()) + suffix);
            ASSERT_EQ(runFolio({"--export", "balance-sheet", books, made.back(), "--business",
                                "service", "--date", "1/31/2026"})
                          .exitCode,
                      0);
        }
        const auto content = suffix == ".csv" ? &fileBytes : [](const QString& pdf) {
            return pdfText(pdf).toUtf8();
        };
        EXPECT_EQ(content(made[0]), content(made[1])) << suffix.toStdString();
    }
    // An account row changed behind the journal's back does not verify.
    ASSERT_TRUE(refusal(PgCluster::adminUser(), "UPDATE folio_accounts SET image = "
                                                "set_byte(image, 0, 90) WHERE record = 1")
                    .isEmpty());
    EXPECT_TRUE(
        runFolio({"--verify", server}).err.contains("differs from the journal at record 1"));
}

// A database whose tables an older Folio set up is refused, saying what to run; once its
// owner ran it, the books open as they were.
TEST_F(ServerBooksTest, ADatabaseSetUpByAnOlderFolioSaysToSetItUpAgain) {
    ASSERT_TRUE(refusal(PgCluster::adminUser(), "DROP TABLE folio_version").isEmpty());
    try {
        ServerBooks(as("alice")).records();
        ADD_FAILURE() << "opened";
    } catch (const ServerError& error) {
        EXPECT_TRUE(error.words().contains("set up by an older Folio"));
        EXPECT_TRUE(error.words().contains("folio --setup-server"));
    }
    ServerBooks(as(PgCluster::adminUser())).installSchema();
    EXPECT_EQ(ServerBooks(as("alice")).records(), serviceBooks());
}

} // namespace
