// Entering each tab with 49 accounts (the file read and the grid filled), against the bare
// cost of filling a 50x5 QTableWidget with 250 texts.
#include "bench_books.h"
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_TabEntry(benchmark::State& state) {
    BenchBooks books;
    books.enterStatements();
    const int tab = static_cast<int>(state.range(0));
    for (auto _ : state) {
        books.showTab(2);
        books.showTab(tab);
    }
    if (books.dialogs.messages != 0) {
        state.SkipWithError(qPrintable(books.dialogs.lastMessage));
    }
}
BENCHMARK(BM_TabEntry)
    ->ArgName("tab")
    ->Arg(0)
    ->Arg(1)
    ->Arg(3)
    ->Arg(4)
    ->Arg(5)
    ->Arg(6)
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

} // namespace
