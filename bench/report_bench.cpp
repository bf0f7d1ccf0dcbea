// The printed reports: laying out the trial balance, and printing each report through the
// window to a PDF file, against drawing 60 lines of text on a QPrinter (PDF). The trial
// balance, which lists every account, is printed at every chart size.
#include "bench_books.h"
#include "reports/report_printer.h"
#include "reports/trial_balance_report.h"
#include "statements/statement_chain.h"
#include <QFile>
#include <QPainter>
#include <QPrinter>

using namespace folio;
using folio::reports::Report;

namespace {

void BM_LayoutTrialBalance(benchmark::State& state) {
    BenchBooks books(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(books.window->reports().layout(Report::TrialBalance));
    }
    books.checkQuiet(state);
}
BENCHMARK(BM_LayoutTrialBalance)->Apply(chartSizes)->Unit(benchmark::kMicrosecond);

void printToPdf(benchmark::State& state, Report report, int accounts) {
    BenchBooks books(accounts);
    for (auto _ : state) {
        books.window->reports().print(report);
    }
    if (QFile(books.dialogs.pdfFile).size() == 0) {
        state.SkipWithError("no report printed");
    }
    books.checkQuiet(state);
}

void BM_TrialBalanceToPdf(benchmark::State& state) {
    printToPdf(state, Report::TrialBalance, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_TrialBalanceToPdf)->Apply(chartSizes)->Unit(benchmark::kMillisecond);

void BM_ReportToPdf(benchmark::State& state) {
    const auto report = static_cast<Report>(state.range(0));
    printToPdf(state, report, 50);
    const char* names[] = {"trial balance", "income statement", "equity", "balance sheet"};
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_ReportToPdf)->ArgName("report")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_BaselinePrinterSixtyLines)->Unit(benchmark::kMillisecond);

} // namespace
