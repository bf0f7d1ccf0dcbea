// The journal: one posting through the window with its journal entry against the same
// posting written straight to the file, the journal window's first rows and the exports
// over a journal of 1,000,000 entries.
#include "app/main_window.h"
#include "bench_dialogs.h"
#include "data/file_table.h"
#include "journal/csv_export.h"
#include "journal/journal_model.h"
#include "journal/journal_window.h"
#include "journal/ledger_export.h"
#include "million_journal.h"
#include "posting/posting_tab.h"
#include "session/books_session.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace folio;
using namespace folio::journal;

namespace {

// One amount posted on the posting tab of the real window, each record synced: with its
// journal entry (entry committed and synced, records written and synced, entry marked
// applied), or with the journal closed, written straight to the file as before the journal.
void BM_PostingInTheWindow(benchmark::State& state) {
    const bool journaled = state.range(0) != 0;
    QTemporaryDir dir;
    BenchDialogs dialogs;
    dialogs.books = dir.filePath(QStringLiteral("books.dat"));
    writeBooks(dialogs.books, chartOf49());
    if (!journaled) { // a journal that cannot be opened: the books go on without one
        QDir().mkdir(session::BooksSession::journalPathFor(dialogs.books));
    }
    app::MainWindow window(dialogs);
    window.show();
    window.chooseBooksFile();
    dialogs.messages = 0; // the journal that cannot be opened is said once
    window.showTab(ui::Tab::Posting);
    auto* posting = static_cast<posting::PostingTab*>(window.page(ui::Tab::Posting));
    auto* debit = window.findChild<QLineEdit*>(QStringLiteral("txtPostDebit"));
    for (auto _ : state) {
        posting->chooseAccount(1);
        debit->setText(QStringLiteral("1"));
        posting->postToAccount();
    }
    if (dialogs.messages != 0) {
        state.SkipWithError(qPrintable(dialogs.lastMessage));
    }
}
BENCHMARK(BM_PostingInTheWindow)->ArgName("journal")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The file writes of a posting before the journal: the record and the blank record after
// the accounts, each written and synced (the window's own work not counted).
void BM_PostingWritesBeforeTheJournal(benchmark::State& state) {
    QTemporaryDir dir;
    const QString books = dir.filePath(QStringLiteral("books.dat"));
    writeBooks(books, chartOf49());
    FileTable files;
    files.open(1, books);
    AccountRecord account = files.get(1, 2);
    for (auto _ : state) {
        account.current += Money::fromWhole(1);
        files.put(1, 2, account);
        files.put(1, 50, AccountRecord::blank());
    }
}
BENCHMARK(BM_PostingWritesBeforeTheJournal)->Unit(benchmark::kMicrosecond);

// The journal window opened on a million entries, to its first rows painted.
void BM_JournalWindowFirstRows(benchmark::State& state) {
    const QString path = millionJournal();
    BenchDialogs dialogs;
    for (auto _ : state) {
        JournalStore store;
        store.open(path);
        JournalWindow window(store, dialogs,
                             [](std::int64_t, const QString&, const QDate&) { return true; });
        window.reload();
        window.show();
        window.grid()->viewport()->repaint();
        QApplication::processEvents();
        if (window.model().rowCount() == 0) {
            state.SkipWithError("no rows shown");
        }
    }
}
BENCHMARK(BM_JournalWindowFirstRows)->Unit(benchmark::kMillisecond);

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
        const ExportResult result =
            ledger ? exportLedger(store, target, QString()) : exportCsv(store, target, QString());
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
