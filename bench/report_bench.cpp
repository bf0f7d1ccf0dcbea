// The printed reports with 49 accounts: laying out each one, and printing each through its
// Print button to a PDF file, against drawing 60 lines of text on a QPrinter (PDF).
#include "bench_books.h"
#include "reports/equity_report.h"
#include "reports/trial_balance_report.h"
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <benchmark/benchmark.h>

namespace {

const ReportHeading kHeading{QStringLiteral("Kestrow Supply Company"),
                             QStringLiteral("12/31/2026")};

void BM_LayoutTrialBalance(benchmark::State& state) {
    const AccountTable table = tableOf(chartOf49());
    for (auto _ : state) {
        const TrialBalanceTotals totals = trialBalanceTotals(table);
        benchmark::DoNotOptimize(trialBalanceLayout(kHeading, table, totals));
    }
}
BENCHMARK(BM_LayoutTrialBalance)->Unit(benchmark::kMicrosecond);

void BM_LayoutEquity(benchmark::State& state) {
    const AccountTable table = tableOf(chartOf49());
    for (auto _ : state) {
        const Amounts sum = equityAccountsSum(table);
        benchmark::DoNotOptimize(equityLayout(kHeading, {sum, sum, sum + sum}));
    }
}
BENCHMARK(BM_LayoutEquity)->Unit(benchmark::kMicrosecond);

void BM_ReportToPdf(benchmark::State& state) {
    const char* buttons[] = {"cmdPrint", "cmdIsPrint", "cmdCapitalPrint", "cmdPrintBs"};
    const int report = static_cast<int>(state.range(0));
    BenchBooks books;
    books.enterStatements();
    books.showTab(report == 0 ? 3 : 3 + report);
    for (auto _ : state) {
        books.click(buttons[report]);
    }
    if (QFile(books.dialogs.pdfFile).size() == 0 || books.dialogs.messages != 0) {
        state.SkipWithError(qPrintable("no report printed " + books.dialogs.lastMessage));
    }
    state.SetLabel(buttons[report]);
}
BENCHMARK(BM_ReportToPdf)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_BaselinePrinterSixtyLines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("lines.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QPainter painter(&printer);
        painter.setFont(QFont(QStringLiteral("Liberation Serif"), 10));
        const int step = painter.fontMetrics().height();
        for (int line = 0; line < 60; ++line) {
            painter.drawText(200, 200 + line * step,
                             QStringLiteral("Account number %1          $1,234.56").arg(line));
        }
        painter.end();
    }
}
BENCHMARK(BM_BaselinePrinterSixtyLines)->Unit(benchmark::kMicrosecond);

} // namespace
