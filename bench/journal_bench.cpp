// The journal: one posting with its journal entry against the posting without one, the
// journal view's first rows and the export over a journal of 1,000,000 entries.
#include "bench_books.h"
#include "data/file_table.h"
#include "journal/books_journal.h"
#include "journal/csv_export.h"
#include "journal/journal_model.h"
#include "journal/ledger_export.h"
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

using namespace folio::journal;

namespace {

constexpr int kMillion = 1000000;

// One record written and synced, as a posting without a journal writes it.
void BM_PostingRecordSynced(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = dir.filePath(QStringLiteral("books.dat"));
    writeBooks(books, chartOf49());
    FileTable files;
    files.open(1, books);
    AccountRecord cash = files.get(1, 1);
    for (auto _ : state) {
        cash.current += Money::fromWhole(1);
        files.put(1, 1, cash);
    }
}
BENCHMARK(BM_PostingRecordSynced)->Unit(benchmark::kMicrosecond);

// The same posting through the journal: entry committed (synced), record written
// (synced), entry marked applied.
void BM_PostingWithJournal(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = dir.filePath(QStringLiteral("books.dat"));
    writeBooks(books, chartOf49());
    FileTable files;
    files.open(1, books);
    BooksJournal journal;
    journal.open({files, 1, books});
    for (auto _ : state) {
        journal.post({files, 1, books}, {}, {1, Money::fromWhole(1), Money()});
    }
}
BENCHMARK(BM_PostingWithJournal)->Unit(benchmark::kMicrosecond);

// A journal of a million one-line postings, made once and kept between runs.
QString millionJournal() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::TempLocation) + "/folio-bench";
    QDir().mkpath(folder);
    const QString books = folder + QStringLiteral("/million.dat");
    const QString path = BooksJournal::pathFor(books);
    JournalStore store;
    store.open(path);
    if (store.appliedCount() >= kMillion) {
        return path;
    }
    store.close();
    QFile::remove(path);
    store.open(path);
    writeBooks(books, chartOf49());
    const std::vector<AccountRecord> chart = chartOf49();
    Database& db = store.database();
    Transaction transaction(db);
    Statement entry(db, "INSERT INTO entries(made, date, memo, kind, status) VALUES(?, ?, ?, "
                        "'posting', 1)");
    Statement line(db, "INSERT INTO lines VALUES(?, 1, ?, ?, ?, ?, 0, ?, ?)");
    std::vector<AccountRecord> held = chart;
    for (int i = 0; i < kMillion; ++i) {
        const auto at = static_cast<std::size_t>(i % 40);
        const AccountRecord before = held[at];
        held[at].current += Money::fromWhole(1 + i % 7);
        const QDate date = QDate(2020, 1, 1).addDays(i / 400);
        entry.bind(1, date.toString(Qt::ISODate) + QStringLiteral("T09:00:00Z"))
            .bind(2, date.toString(Qt::ISODate))
            .bind(3, QStringLiteral("invoice %1").arg(i))
            .run();
        const auto image = [](const AccountRecord& record) {
            const RecordBytes bytes = record.encode();
            return std::optional<QByteArray>(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<qsizetype>(bytes.size())));
        };
        line.bind(1, db.lastInsertId())
            .bind(2, static_cast<std::int64_t>(at) + 1)
            .bind(3, held[at].name)
            .bind(4, held[at].type)
            .bind(5, Money::fromWhole(1 + i % 7).raw())
            .bind(6, image(before))
            .bind(7, image(held[at]))
            .run();
    }
    transaction.commit();
    return path;
}

// Opening the journal and the first page of rows a view shows.
void BM_JournalViewFirstRows(benchmark::State& state) {
    const QString path = millionJournal();
    for (auto _ : state) {
        JournalStore store;
        store.open(path);
        JournalModel model(store);
        model.fetchMore({});
        benchmark::DoNotOptimize(model.index(0, JournalModel::Memo).data());
    }
}
BENCHMARK(BM_JournalViewFirstRows)->Unit(benchmark::kMillisecond);

void BM_JournalViewOneAccount(benchmark::State& state) {
    const QString path = millionJournal();
    for (auto _ : state) {
        JournalStore store;
        store.open(path);
        JournalModel model(store);
        model.setFilter({QStringLiteral("Cash"), std::nullopt, std::nullopt});
        model.fetchMore({});
        benchmark::DoNotOptimize(model.index(0, JournalModel::Balance).data());
    }
}
BENCHMARK(BM_JournalViewOneAccount)->Unit(benchmark::kMillisecond);

void BM_ExportMillion(benchmark::State& state) {
    const QString path = millionJournal();
    QTemporaryDir dir;
    const bool ledger = state.range(0) != 0;
    for (auto _ : state) {
        JournalStore store;
        store.open(path);
        const QString target = dir.filePath(ledger ? "x.journal" : "x.csv");
        const ExportResult result = ledger ? exportLedger(store, target) : exportCsv(store, target);
        if (result != ExportResult::Written) {
            state.SkipWithError("the export did not complete");
        }
    }
}
BENCHMARK(BM_ExportMillion)
    ->ArgName("ledger")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace
