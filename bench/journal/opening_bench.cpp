// The first opening of books without a journal (the journal made, its opening entry holding
// every record as found), beside the floor of reading the file once.
#include "data/file_table.h"
#include "journal/books_journal.h"
#include "million_journal.h"
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folio;
using namespace folio::journal;

namespace {

// Books of `count` accounts: the 49-account chart over and over.
QString writeManyAccounts(const QTemporaryDir& dir, int count) {
    const QString path = dir.filePath(QStringLiteral("books.dat"));
    const std::vector<AccountRecord> chart = chartOf49();
    std::vector<AccountRecord> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        records.push_back(chart[static_cast<std::size_t>(i) % chart.size()]);
    }
    writeBooks(path, records);
    return path;
}

void removeJournal(const QString& books) {
    const QString journal = journalPathFor(books);
    for (const char* side : {"", "-wal", "-shm"}) {
        QFile::remove(journal + QLatin1String(side));
    }
}

void BM_FirstOpening(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = writeManyAccounts(dir, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        removeJournal(books);
        FileTable files;
        files.open(1, books);
        BooksJournal journal;
        state.ResumeTiming();
        if (!journal.open({files, 1, books}).started) {
            state.SkipWithError("no opening entry made");
        }
        journal.close();
    }
    state.counters["journal_MB"] =
        static_cast<double>(QFileInfo(journalPathFor(books)).size()) / 1e6;
}
BENCHMARK(BM_FirstOpening)
    ->ArgName("accounts")
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime() // every thread's
    ->UseRealTime();

// The floor: the file read once, each record decoded.
void BM_BaselineReadBooksOnce(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = writeManyAccounts(dir, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        FileTable files;
        files.open(1, books);
        Money sum;
        files.scan(1, files.recordCount(1), [&sum](int, const AccountRecord& record) {
            sum += record.current;
            return true;
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_BaselineReadBooksOnce)
    ->ArgName("accounts")
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime() // every thread's
    ->UseRealTime();

} // namespace
