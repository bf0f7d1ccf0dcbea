// Entering each tab (the file read, the statements computed and the grid filled) at every
// chart size, against the bare cost of filling a 50x5 QTableWidget with 250 texts.
#include "bench_books.h"
#include <QAbstractTableModel>
#include <QApplication>
#include <QFile>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

using folio::ui::Tab;

namespace {

// Lets Qt do what it does before a user sees what was just shown: the layouts settled and
// the window painted.
void letPaint() {
    QApplication::processEvents();
}

void BM_TabEntry(benchmark::State& state) {
    const auto tab = static_cast<Tab>(state.range(0));
    BenchBooks books(static_cast<int>(state.range(1)));
    for (auto _ : state) {
        books.showTab(Tab::Blank);
        books.showTab(tab);
    }
    books.checkQuiet(state);
    state.SetComplexityN(state.range(1));
}
BENCHMARK(BM_TabEntry)
    ->ArgNames({"tab", "accounts"})
    ->ArgsProduct({{static_cast<int>(Tab::Setup), static_cast<int>(Tab::Posting),
                    static_cast<int>(Tab::TrialBalance), static_cast<int>(Tab::IncomeStatement),
                    static_cast<int>(Tab::Equity), static_cast<int>(Tab::BalanceSheet)},
                   {std::begin(kChartSizes), std::end(kChartSizes)}})
    ->Unit(benchmark::kMicrosecond);

void BM_BaselineTableFill(benchmark::State& state) {
    QTableWidget table(50, 5);
    table.show();
    for (auto _ : state) {
        table.clearContents();
        for (int row = 0; row < 50; ++row) {
            for (int col = 0; col < 5; ++col) {
                table.setItem(row, col, new QTableWidgetItem(QStringLiteral("Cell %1").arg(row)));
            }
        }
    }
}
BENCHMARK(BM_BaselineTableFill)->Unit(benchmark::kMicrosecond);

// The tabs a session's entry is measured on, with the books' sizes.
void sessionTabsAndSizes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"tab", "accounts"})
        ->ArgsProduct({{static_cast<int>(Tab::Posting), static_cast<int>(Tab::TrialBalance),
                        static_cast<int>(Tab::BalanceSheet)},
                       {10000, 100000}})
        ->Unit(benchmark::kMillisecond);
}

// A user's second and later entries of a tab in a session over books whose journal an
// earlier session made, with the peak memory of the entries above what was in use before.
void BM_TabEntryRealSession(benchmark::State& state) {
    const auto tab = static_cast<Tab>(state.range(0));
    BenchBooks books(static_cast<int>(state.range(1)));
    books.startNewSession();
    books.showTab(tab); // the first entry
    PeakMemory memory;
    memory.reset();
    letPaint();
    for (auto _ : state) {
        books.showTab(Tab::Blank);
        books.showTab(tab);
        letPaint();
    }
    state.counters["peak_MiB"] = memory.aboveStart();
    books.checkQuiet(state);
}
BENCHMARK(BM_TabEntryRealSession)->Apply(sessionTabsAndSizes);

// The first entry of a tab after the books changed (their file written again, as by
// another program: its time moves on), with the page faults of an entry as a counter: an
// entry that reuses its buffers asks the system for no fresh memory.
void BM_TabEntryAfterChange(benchmark::State& state) {
    const auto tab = static_cast<Tab>(state.range(0));
    BenchBooks books(static_cast<int>(state.range(1)));
    books.startNewSession();
    books.showTab(tab);
    const QByteArray path = QFile::encodeName(books.books);
    timespec when{};
    clock_gettime(CLOCK_REALTIME, &when);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    for (auto _ : state) {
        books.showTab(Tab::Blank);
        ++when.tv_sec; // the books changed since the tab showed them
        const timespec times[2] = {when, when};
        utimensat(AT_FDCWD, path.constData(), times, 0);
        books.showTab(tab);
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(after.ru_minflt - before.ru_minflt),
                           benchmark::Counter::kAvgIterations);
    books.checkQuiet(state);
}
BENCHMARK(BM_TabEntryAfterChange)->Apply(sessionTabsAndSizes);

// The rows of a file's bytes, each showing its name: all a bare grid over the file does.
class BareRecords : public QAbstractTableModel {
  public:
    void setBytes(QByteArray bytes) {
        beginResetModel();
        bytes_ = std::move(bytes);
        endResetModel();
    }
    int rowCount(const QModelIndex& = {}) const override {
        return static_cast<int>(bytes_.size() / 62);
    }
    int columnCount(const QModelIndex& = {}) const override { return 5; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) {
            return {};
        }
        return QString::fromLatin1(bytes_.constData() + qsizetype{index.row()} * 62, 40).trimmed();
    }

  private:
    QByteArray bytes_;
};

// A bare tab widget of Folio's window size: a blank page and a page holding a bare grid
// over the file's records.
struct BareTabs {
    explicit BareTabs(const QSize& size) {
        tabs.addTab(new QWidget(), QStringLiteral("Blank"));
        grid->setModel(&records);
        tabs.addTab(grid, QStringLiteral("Grid"));
        tabs.resize(size);
        tabs.show();
        letPaint();
    }
    // The file read whole and handed to the grid, its first rows in view.
    void showFile(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        records.setBytes(file.readAll());
        grid->scrollToTop();
    }
    BareRecords records;
    QTabWidget tabs;
    QTableView* grid = new QTableView(); // the tab widget's page
};

// The floor of a tab entry: from a blank page to a bare grid page, the file read whole into a
// buffer of its own on the way and handed to the grid, until the window is painted. A tab
// entry is the grid coming into view, so the floor is that too: a page shown, laid out and
// painted in full.
void BM_BaselineBareGridEntry(benchmark::State& state) {
    BenchBooks books(static_cast<int>(state.range(0)));
    BareTabs bare(books.window->size());
    for (auto _ : state) {
        bare.tabs.setCurrentIndex(0);
        bare.showFile(books.books);
        bare.tabs.setCurrentIndex(1);
        letPaint();
    }
}
BENCHMARK(BM_BaselineBareGridEntry)
    ->ArgName("accounts")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// For comparison only: a bare grid already in view, given the file read again and repainted.
// Nothing comes into view, so Qt repaints the grid's cells alone.
void BM_BaselineBareGridRepaint(benchmark::State& state) {
    BenchBooks books(static_cast<int>(state.range(0)));
    BareTabs bare(books.window->size());
    bare.tabs.setCurrentIndex(1);
    letPaint();
    for (auto _ : state) {
        bare.showFile(books.books);
        letPaint();
    }
}
BENCHMARK(BM_BaselineBareGridRepaint)
    ->ArgName("accounts")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace
