// Entering each tab (the file read, the statements computed and the grid filled) at every
// chart size, against the bare cost of filling a 50x5 QTableWidget with 250 texts.
#include "bench_books.h"
#include <QTableWidget>

using folio::ui::Tab;

namespace {

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

} // namespace
