// A books file of 1 GiB (17.3 million records) through the real window: deleting one record
// and searching for a name that is not there. Both stream the file a chunk at a time; each
// reports its peak memory above what the process held before it.
#include "bench_books.h"
#include <QFile>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <functional>

using namespace folio;

namespace {

constexpr qint64 kRecords = (qint64{1} << 30) / 62;

void writeHugeBooks(const QString& path) {
    QByteArray chunk;
    std::vector<AccountRecord> chart = chartOf(49);
    chart[0].current = chart[0].ytd = Money(); // the first record, deleted, has no balance
    for (int i = 0; i < 16384; ++i) {
        const RecordBytes bytes = chart[static_cast<std::size_t>(i) % chart.size()].encode();
        chunk.append(reinterpret_cast<const char*>(bytes.data()), 62);
    }
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (qint64 written = 0; written < kRecords; written += 16384) {
        file.write(chunk.constData(), std::min<qint64>(16384, kRecords - written) * 62);
    }
}

// A figure of /proc/self/status in KiB ("VmRSS:", "VmHWM:").
double statusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<qsizetype>(qstrlen(field)))
                .trimmed()
                .split(' ')[0]
                .toDouble();
        }
    }
    return 0;
}

// Runs the action once per iteration on fresh huge books and reports the time and peak;
// the only message it may show is `expected`.
void runOnHugeBooks(benchmark::State& state, const std::function<void(BenchBooks&)>& action,
                    const QString& expected = QString()) {
    BenchBooks books;
    books.dialogs.inputAnswer = QStringLiteral("No Such Account"); // for the search
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeHugeBooks(books.books);
        books.showTab(ui::Tab::Blank);
        books.showTab(ui::Tab::Setup);
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        clear.open(QIODevice::WriteOnly);
        clear.write("5"); // the peak starts again from what is in use now
        clear.close();
        const double before = statusKiB("VmRSS:");
        state.ResumeTiming();
        action(books);
        state.PauseTiming();
        peak = std::max(peak, statusKiB("VmHWM:") - before);
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = peak / 1024;
    if (books.dialogs.lastMessage != expected) {
        state.SkipWithError(qPrintable(books.dialogs.lastMessage));
    }
}

void BM_DeleteOneRecordOf1GiB(benchmark::State& state) {
    runOnHugeBooks(state, [](BenchBooks& books) { books.click("cmdDelete"); });
}
BENCHMARK(BM_DeleteOneRecordOf1GiB)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();

void BM_SearchMissingNameIn1GiB(benchmark::State& state) {
    runOnHugeBooks(
        state, [](BenchBooks& books) { books.click("cmdSearch"); },
        QStringLiteral("Name NO SUCH ACCOUNTnot found!"));
}
BENCHMARK(BM_SearchMissingNameIn1GiB)->Iterations(2)->Unit(benchmark::kSecond)->UseRealTime();

// Not streamed: the statements hold every account of the file in memory.
void BM_TrialBalanceOf1GiB(benchmark::State& state) {
    runOnHugeBooks(state, [](BenchBooks& books) { books.showTab(ui::Tab::TrialBalance); });
}
BENCHMARK(BM_TrialBalanceOf1GiB)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
