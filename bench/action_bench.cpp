// The actions that write or search the accounts file at every chart size: a posting (with
// and without a sync of each record written), Search, Delete and a monthly closing.
#include "accounts/setup_tab.h"
#include "bench_books.h"
#include "data/file_table.h"
#include "posting/posting_tab.h"
#include <QFile>

using namespace folio;
using folio::ui::Tab;

namespace {

void BM_Posting(benchmark::State& state) {
    const bool durable = state.range(0) != 0;
    FileTable::setDurable(durable);
    BenchBooks books(static_cast<int>(state.range(1)));
    books.showTab(Tab::Posting);
    auto* posting = static_cast<posting::PostingTab*>(books.window->page(Tab::Posting));
    for (auto _ : state) {
        posting->chooseAccount(books.accounts - 1);
        books.setText("txtPostDebit", QStringLiteral("1"));
        posting->postToAccount();
    }
    FileTable::setDurable(true);
    books.checkQuiet(state);
}
BENCHMARK(BM_Posting)
    ->ArgNames({"durable", "accounts"})
    ->ArgsProduct({{1, 0}, {std::begin(kChartSizes), std::end(kChartSizes)}})
    ->Unit(benchmark::kMicrosecond);

// Searching for the last account's name, which every record before it is compared with.
void BM_Search(benchmark::State& state) {
    BenchBooks books(static_cast<int>(state.range(0)));
    books.dialogs.inputAnswer = chartOf(books.accounts).back().name;
    books.showTab(Tab::Setup);
    auto* setup = static_cast<accounts::SetupTab*>(books.window->page(Tab::Setup));
    for (auto _ : state) {
        setup->searchAccount();
    }
    books.checkQuiet(state);
}
BENCHMARK(BM_Search)->Apply(chartSizes)->Unit(benchmark::kMicrosecond);

// Deleting the first record: every other record is written again.
void BM_Delete(benchmark::State& state) {
    BenchBooks books(static_cast<int>(state.range(0)));
    std::vector<AccountRecord> chart = chartOf(books.accounts);
    chart[0].current = chart[0].ytd = Money(); // an account with a balance is not deleted
    auto* setup = static_cast<accounts::SetupTab*>(books.window->page(Tab::Setup));
    for (auto _ : state) {
        state.PauseTiming();
        writeBooks(books.books, chart);
        books.showTab(Tab::Blank);
        books.showTab(Tab::Setup);
        state.ResumeTiming();
        setup->deleteShownAccount();
    }
    if (QFile(books.books).size() != (books.accounts - 1) * 62) {
        state.SkipWithError("the delete did not complete");
    }
    books.checkQuiet(state);
}
BENCHMARK(BM_Delete)->Apply(chartSizes)->Unit(benchmark::kMicrosecond);

// Closing the month from the balance sheet's check box, Yes answered to the question;
// the closed copy is written and synced.
void BM_MonthlyClosing(benchmark::State& state) {
    BenchBooks books(static_cast<int>(state.range(0)));
    const QString closed = books.books + QStringLiteral(" closed monthly");
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(closed);
        books.reset();
        books.showTab(Tab::BalanceSheet);
        books.dialogs.messages = 0;
        state.ResumeTiming();
        books.click("chkMonthly");
    }
    // The one message is the closing's own report of where the copy went.
    if (QFile(closed).size() != books.accounts * 62 || books.dialogs.messages != 1) {
        state.SkipWithError(
            qPrintable("the closing did not complete " + books.dialogs.lastMessage));
    }
}
BENCHMARK(BM_MonthlyClosing)->Apply(chartSizes)->Unit(benchmark::kMillisecond);

} // namespace
