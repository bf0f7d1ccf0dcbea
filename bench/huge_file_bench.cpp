// A huge books file through the real window: deleting one record, searching for a name that
// is not there, entering the statement tabs, scrolling the trial balance and exporting the
// balance sheet from the command line, beside a bare pass that streams the file. Each reports
// its peak memory above what the process held before it. The file is 1 GiB (17.3 million
// records) when BENCH_BIG is set in the environment, 128 MiB (2.2 million) otherwise.
#include "bench_books.h"
#include "data/file_table.h"
#include "ui/listing_view.h"
#include <QFile>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace folio;

extern char** environ;

namespace {

const qint64 kRecords = (qint64{1} << (qEnvironmentVariableIsSet("BENCH_BIG") ? 30 : 27)) / 62;

// The six balance sheet accounts of a 49-account chart, then its revenue, returns and
// expense accounts over and over: the balance sheet stays short, every other tab lists
// 17.3 million accounts.
void writeHugeBooks(const QString& path) {
    std::vector<AccountRecord> chart = chartOf(49);
    chart[0].current = chart[0].ytd = Money(); // the first record, deleted, has no balance
    std::vector<RecordBytes> encoded;
    for (const AccountRecord& record : chart) {
        encoded.push_back(record.encode());
    }
    std::vector<RecordBytes> chunk(kChunkRecords);
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (qint64 written = 0; written < kRecords; written += kChunkRecords) {
        const qint64 n = std::min<qint64>(kChunkRecords, kRecords - written);
        for (qint64 i = 0; i < n; ++i) {
            const qint64 at = written + i;
            chunk[static_cast<std::size_t>(i)] =
                encoded[static_cast<std::size_t>(at < 6 ? at : 6 + (at - 6) % 43)];
        }
        file.write(reinterpret_cast<const char*>(chunk.data()), n * 62);
    }
}

// Runs the action once per iteration on huge books (written again first when the action
// changes them) and reports the time and peak; the only message it may show is `expected`.
void runOnHugeBooks(benchmark::State& state, const std::function<void(BenchBooks&)>& action,
                    bool changesBooks = true, const QString& expected = QString()) {
    BenchBooks books;
    books.dialogs.inputAnswer = QStringLiteral("No Such Account"); // for the search
    double peak = 0;
    bool written = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (changesBooks || !written) {
            writeHugeBooks(books.books);
            written = true;
        }
        books.showTab(ui::Tab::Blank);
        books.showTab(ui::Tab::Setup);
        PeakMemory memory;
        memory.reset();
        state.ResumeTiming();
        action(books);
        state.PauseTiming();
        peak = std::max(peak, memory.aboveStart());
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = peak;
    state.counters["records"] = static_cast<double>(kRecords);
    if (books.dialogs.lastMessage != expected) {
        state.SkipWithError(qPrintable(books.dialogs.lastMessage));
    }
}

void BM_DeleteOneRecordOfHugeBooks(benchmark::State& state) {
    runOnHugeBooks(state, [](BenchBooks& books) { books.click("cmdDelete"); });
}
BENCHMARK(BM_DeleteOneRecordOfHugeBooks)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();

void BM_SearchMissingNameInHugeBooks(benchmark::State& state) {
    runOnHugeBooks(
        state, [](BenchBooks& books) { books.click("cmdSearch"); }, false,
        QStringLiteral("Name NO SUCH ACCOUNTnot found!"));
}
BENCHMARK(BM_SearchMissingNameInHugeBooks)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();

// Entering a statement tab: the statements computed as the file streams by, the grid
// counting the accounts it lists and reading those on screen.
void BM_StatementTabOfHugeBooks(benchmark::State& state) {
    const auto tab = static_cast<ui::Tab>(state.range(0));
    runOnHugeBooks(
        state, [tab](BenchBooks& books) { books.showTab(tab); }, false);
}
BENCHMARK(BM_StatementTabOfHugeBooks)
    ->ArgName("tab")
    ->Arg(static_cast<int>(ui::Tab::TrialBalance))
    ->Arg(static_cast<int>(ui::Tab::BalanceSheet))
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Jumping through the shown trial balance: its middle, its end and its start drawn.
void BM_ScrollTrialBalanceOfHugeBooks(benchmark::State& state) {
    BenchBooks books;
    writeHugeBooks(books.books);
    books.showTab(ui::Tab::TrialBalance);
    auto* grid = books.window->findChild<ui::ListingView*>(QStringLiteral("grdTAble"));
    const std::int64_t rows = grid->listedRows();
    PeakMemory memory;
    memory.reset();
    for (auto _ : state) {
        for (std::int64_t row : {rows / 2, rows - 1, std::int64_t{0}}) {
            grid->cellOf(row, 0);
            grid->viewport()->repaint();
        }
    }
    state.counters["peak_MiB"] = memory.aboveStart();
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ScrollTrialBalanceOfHugeBooks)->Unit(benchmark::kMillisecond)->UseRealTime();

// Runs `folio --export` and gives its peak memory in MiB.
double exportBalanceSheet(benchmark::State& state, const QString& books) {
    const QByteArray from = books.toLocal8Bit();
    const QByteArray to = (books + QStringLiteral(".pdf")).toLocal8Bit();
    std::vector<const char*> argv{FOLIO_EXE,
                                  "--export",
                                  "balance-sheet",
                                  from.constData(),
                                  to.constData(),
                                  "--company",
                                  "Kestrow Supply Company",
                                  "--date",
                                  "12/31/2026",
                                  "--business",
                                  "service",
                                  nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, FOLIO_EXE, nullptr, nullptr, const_cast<char**>(argv.data()),
                    environ) != 0) {
        state.SkipWithError("cannot start folio");
        return 0;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        state.SkipWithError("the export failed");
    }
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

// `folio --export balance-sheet` of the 1 GiB books, beside the same export of 50 accounts
// (the program's own start and its PDF writer).
void BM_ExportBalanceSheet(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = dir.filePath(QStringLiteral("books.dat"));
    if (state.range(0) == 0) {
        writeHugeBooks(books);
    } else {
        writeBooks(books, chartOf(static_cast<int>(state.range(0))));
    }
    double peak = 0;
    for (auto _ : state) {
        peak = std::max(peak, exportBalanceSheet(state, books));
    }
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_ExportBalanceSheet)
    ->ArgName("accounts_or_huge")
    ->Arg(0)
    ->Arg(50)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor: one pass over the 1 GiB file in 1 MiB chunks through one buffer, adding up
// the balances of the records.
void BM_BaselineStreamingPassOfHugeBooks(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = dir.filePath(QStringLiteral("books.dat"));
    writeHugeBooks(books);
    const int fd = ::open(books.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    std::vector<RecordBytes> chunk(kChunkRecords);
    PeakMemory memory;
    memory.reset();
    std::uint64_t sum = 0;
    for (auto _ : state) {
        off_t at = 0;
        for (;;) {
            const ssize_t n = ::pread(fd, chunk.data(), chunk.size() * 62, at);
            if (n <= 0) {
                break;
            }
            for (std::size_t i = 0; i < static_cast<std::size_t>(n) / 62; ++i) {
                std::uint64_t current = 0;
                std::memcpy(&current, chunk[i].data() + RecordLayout::kCurrentOffset, 8);
                sum += current;
            }
            at += n;
        }
    }
    ::close(fd);
    benchmark::DoNotOptimize(sum);
    state.counters["peak_MiB"] = memory.aboveStart();
}
BENCHMARK(BM_BaselineStreamingPassOfHugeBooks)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
