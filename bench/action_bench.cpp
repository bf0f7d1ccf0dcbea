// The actions that write the accounts file, with 49 accounts: a posting (with and without
// a sync of each record written), a delete and a monthly closing.
#include "bench_books.h"
#include "data/file_table.h"
#include <QAbstractItemView>
#include <QFile>
#include <QTabWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_Posting(benchmark::State& state) {
    const bool durable = state.range(0) != 0;
    FileTable::setDurable(durable);
    BenchBooks books;
    books.showTab(1);
    auto* grid = books.window->findChild<QAbstractItemView*>(QStringLiteral("MSFlexGrid3"));
    for (auto _ : state) {
        grid->setCurrentIndex(grid->model()->index(0, 1));
        books.setText("txtPostDebit", QStringLiteral("1"));
        books.click("cmdOKPost");
    }
    FileTable::setDurable(true);
    if (books.dialogs.messages != 0) {
        state.SkipWithError(qPrintable(books.dialogs.lastMessage));
    }
}
BENCHMARK(BM_Posting)->ArgName("durable")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_Delete(benchmark::State& state) {
    BenchBooks books;
    for (auto _ : state) {
        state.PauseTiming();
        writeBooks(books.books, chartOf49());
        books.showTab(2);
        books.showTab(0);
        state.ResumeTiming();
        books.click("cmdDelete");
    }
    if (QFile(books.books).size() != 48 * 62 || books.dialogs.messages != 0) {
        state.SkipWithError("the delete did not complete");
    }
}
BENCHMARK(BM_Delete)->Unit(benchmark::kMicrosecond);

void BM_MonthlyClosing(benchmark::State& state) {
    BenchBooks books;
    const QString closed = books.books + QStringLiteral(" closed monthly");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(closed);
        books.reset();
        books.enterStatements();
        state.ResumeTiming();
        books.click("chkMonthly");
    }
    // The only message is the one that says where the closed copy went.
    if (!QFile::exists(closed) ||
        !books.dialogs.lastMessage.contains(QStringLiteral("closed into"))) {
        state.SkipWithError(
            qPrintable("the closing did not complete " + books.dialogs.lastMessage));
    }
}
BENCHMARK(BM_MonthlyClosing)->Unit(benchmark::kMicrosecond);

} // namespace
