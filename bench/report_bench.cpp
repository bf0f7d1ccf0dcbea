// The printed reports with 49 accounts: laying out each one, and printing each through its
// Print button to a PDF file, against drawing 60 lines of text on a QPrinter (PDF).
#include "bench_books.h"
#include "reports/equity_report.h"
#include "reports/trial_balance_report.h"
#include "statements/statement_chain.h"
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <benchmark/benchmark.h>

namespace {

const reports::ReportHeading kHeading{QStringLiteral("Kestrow Supply Company"),
                                      QStringLiteral("12/31/2026")};

statements::Statements figuresOf49() {
    const statements::CompanyInfo company{kHeading.company, kHeading.date,
                                          statements::Business::Service, std::nullopt};
    return statements::computeStatements(tableOf(chartOf49()), company);
}

void BM_LayoutTrialBalance(benchmark::State& state) {
    const statements::Statements figures = figuresOf49();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reports::trialBalanceLayout(kHeading, figures));
    }
}
BENCHMARK(BM_LayoutTrialBalance)->Unit(benchmark::kMicrosecond);

void BM_LayoutEquity(benchmark::State& state) {
    const statements::Statements figures = figuresOf49();
    for (auto _ : state) {
        benchmark::DoNotOptimize(reports::equityLayout(kHeading, *figures.equity));
    }
}
BENCHMARK(BM_LayoutEquity)->Unit(benchmark::kMicrosecond);

void BM_ComputeStatements(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(figuresOf49());
    }
}
BENCHMARK(BM_ComputeStatements)->Unit(benchmark::kMicrosecond);

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
