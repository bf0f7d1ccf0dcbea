// What a change costs through the books session on books whose journal already holds many
// entries, beside the floor of the same work done bare in the same binary: a posting (one
// synced record write plus one synced SQLite commit) and a deletion (the file rewritten once
// with one sync). Wall time: the syncs are the cost.
#include "data/file_table.h"
#include "journal/sqlite_db.h"
#include "session/books_session.h"
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

using namespace folio;
using namespace folio::journal;

namespace {

constexpr int kEarlierEntries = 100000;

std::vector<AccountRecord> chartOf(int accounts) {
    static const char* const codes[] = {"D1", "C2", "C3", "C4", "D5", "D6"};
    std::vector<AccountRecord> chart(static_cast<std::size_t>(accounts));
    for (int i = 0; i < accounts; ++i) {
        AccountRecord& account = chart[static_cast<std::size_t>(i)];
        account.name = QStringLiteral("Account %1").arg(i + 1);
        account.type = QString::fromLatin1(codes[static_cast<std::size_t>(i) % std::size(codes)]);
        account.current = Money::fromWhole(100 + i % 1000);
    }
    return chart;
}

// Books of `accounts` accounts with a journal holding kEarlierEntries postings besides its
// opening, made once in the temporary folder and kept for later runs (the journal of a
// million accounts takes a while to start).
QString keptBooks(int accounts) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::TempLocation) + "/folio-bench";
    QDir().mkpath(folder);
    const QString books = folder + QStringLiteral("/write-cost-%1.dat").arg(accounts);
    const QString journal = session::BooksSession::journalPathFor(books);
    if (QFile::exists(books) && QFile::exists(journal)) {
        return books;
    }
    QFile::remove(journal);
    FileTable::replaceWhole(books, chartOf(accounts));
    session::BooksSession session;
    session.books().select(books);
    session.openJournal();
    Database& db = session.journalStore().database();
    Transaction transaction(db);
    Statement entry(db, "INSERT INTO entries(made, date, memo, kind, status) VALUES("
                        "'2026-01-01T09:00:00Z', '2026-01-01', ?, 'posting', 1)");
    Statement line(db, "INSERT INTO lines VALUES(?, 1, 1, 'Account 1', 'D1', 10000, 0, ?, ?)");
    const RecordBytes image = chartOf(1).front().encode();
    const std::optional<QByteArray> bytes(
        QByteArray(reinterpret_cast<const char*>(image.data()), sizeof image));
    for (int i = 0; i < kEarlierEntries; ++i) {
        entry.bind(1, QStringLiteral("invoice %1").arg(i)).run();
        line.bind(1, db.lastInsertId()).bind(2, bytes).bind(3, bytes).run();
    }
    transaction.commit();
    session.release();
    return books;
}

// The sizes of books each change is measured at.
void atEverySize(benchmark::internal::Benchmark* bench) {
    bench->ArgName("accounts")->Arg(50)->Arg(10000)->Arg(100000)->Arg(1000000);
}

// One debit posted to an account in the middle of the books through the session: entry
// committed and synced, record written and synced, entry marked applied.
void BM_PostingWithItsEntry(benchmark::State& state) {
    const int accounts = static_cast<int>(state.range(0));
    session::BooksSession session;
    session.books().select(keptBooks(accounts));
    session.openJournal();
    for (auto _ : state) {
        const auto result = session.post({}, {accounts / 2 + 1, Money::fromWhole(1), Money()});
        if (!result.succeeded()) {
            state.SkipWithError("the posting failed");
        }
    }
}
BENCHMARK(BM_PostingWithItsEntry)->Apply(atEverySize)->UseRealTime()->Unit(benchmark::kMicrosecond);

// Its floor: 62 bytes written and synced (fdatasync) plus one SQLite commit of a row with
// FULL synchronous, in a log-ahead journal as Folio keeps it.
void BM_PostingFloor(benchmark::State& state) {
    QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("books.dat")));
    const int fd = ::open(file.constData(), O_RDWR | O_CREAT, 0600);
    Database db;
    db.open(dir.filePath(QStringLiteral("floor.db")));
    db.exec("PRAGMA page_size=1024");
    db.exec("PRAGMA journal_mode=WAL");
    db.exec("PRAGMA synchronous=FULL");
    db.exec("CREATE TABLE rows(seq INTEGER PRIMARY KEY, memo TEXT)");
    const char record[62] = {};
    for (auto _ : state) {
        if (::pwrite(fd, record, sizeof record, 62) != 62 || ::fdatasync(fd) != 0) {
            state.SkipWithError("the write failed");
        }
        Transaction transaction(db);
        db.exec("INSERT INTO rows(memo) VALUES('a posting')");
        transaction.commit();
    }
    ::close(fd);
}
BENCHMARK(BM_PostingFloor)->UseRealTime()->Unit(benchmark::kMicrosecond);

// Deleting the first account through the session (the file written whole beside itself),
// Undo putting it back between the timed deletions. Reports the bytes of the entry's lines.
void BM_DeletionWithItsEntry(benchmark::State& state) {
    const int accounts = static_cast<int>(state.range(0));
    session::BooksSession session;
    session.books().select(keptBooks(accounts));
    session.openJournal();
    std::int64_t entryBytes = 0;
    for (auto _ : state) {
        const auto result = session.deleteAccount(1, accounts, QStringLiteral("Account 1"));
        state.PauseTiming();
        Statement size(session.journalStore().database(),
                       "SELECT sum(coalesce(length(before), 0) + coalesce(length(after), 0)) "
                       "FROM lines WHERE seq = ?");
        size.bind(1, result.seq);
        entryBytes = size.step() ? size.integer(0) : 0;
        if (!result.succeeded() || !session.undo().succeeded()) {
            state.SkipWithError("the deletion or its undo failed");
        }
        state.ResumeTiming();
    }
    state.counters["entry_bytes"] = static_cast<double>(entryBytes);
}
BENCHMARK(BM_DeletionWithItsEntry)
    ->Apply(atEverySize)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Its floor: the file read and written once beside itself, 1 MiB at a time, synced and
// renamed into place.
void BM_DeletionFloor(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = dir.filePath(QStringLiteral("books.dat"));
    FileTable::replaceWhole(books, chartOf(static_cast<int>(state.range(0))));
    const QByteArray from = QFile::encodeName(books);
    const QByteArray to = from + ".new";
    std::vector<char> chunk(std::size_t{1} << 20);
    for (auto _ : state) {
        const int in = ::open(from.constData(), O_RDONLY);
        const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        for (ssize_t n = 0; (n = ::read(in, chunk.data(), chunk.size())) > 0;) {
            if (::write(out, chunk.data(), static_cast<std::size_t>(n)) != n) {
                state.SkipWithError("the write failed");
            }
        }
        ::fsync(out);
        ::close(out);
        ::close(in);
        ::rename(to.constData(), from.constData());
    }
}
BENCHMARK(BM_DeletionFloor)->Apply(atEverySize)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
