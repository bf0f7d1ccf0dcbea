// Selecting books, in the window and at start-up, whose journal holds a million entries,
// beside the same books with a journal made just now (its opening entry alone).
#include "app/main_window.h"
#include "bench_dialogs.h"
#include "million_journal.h"
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folio;

namespace {

// The books of the million-entry journal, or books of the same chart with a new journal.
QString booksFor(benchmark::State& state, const QTemporaryDir& dir) {
    if (state.range(0) != 0) {
        const QString journal = millionJournal();
        return journal.left(journal.size() - QStringLiteral(".journal").size());
    }
    const QString books = dir.filePath(QStringLiteral("new.dat"));
    writeBooks(books, chartOf49());
    return books;
}

// Select File again on the selected books: the journal closed, opened and checked against
// the books, the shown tab entered again.
void BM_SelectBooks(benchmark::State& state) {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    dialogs.books = booksFor(state, dir);
    app::MainWindow window(dialogs);
    window.show();
    window.chooseBooksFile(); // the first opening makes or settles the journal
    dialogs.messages = 0;
    for (auto _ : state) {
        window.chooseBooksFile();
    }
    if (dialogs.messages != 0) {
        state.SkipWithError(qPrintable(dialogs.lastMessage));
    }
}
BENCHMARK(BM_SelectBooks)
    ->ArgName("million_entries")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

// `folio books.dat` to its first shown window, the books selected and their journal open.
void BM_StartupWithBooks(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = booksFor(state, dir);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FOLIO_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto start = [&] {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(FOLIO_EXE), {books});
        return process.waitForFinished(60000) && process.exitCode() == 0;
    };
    start(); // the first opening makes or settles the journal
    for (auto _ : state) {
        if (!start()) {
            state.SkipWithError("folio did not quit after showing its window");
            break;
        }
    }
}
BENCHMARK(BM_StartupWithBooks)
    ->ArgName("million_entries")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
