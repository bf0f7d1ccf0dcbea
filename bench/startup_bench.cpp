// Start-up to the first shown window: build/folio against a bare QMainWindow with eight
// tabs, each started with FOLIO_EXIT_AFTER_SHOW so it quits once shown.
#include <QProcess>
#include <QProcessEnvironment>
#include <benchmark/benchmark.h>

namespace {

void startUntilShown(benchmark::State& state, const char* program) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FOLIO_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QString::fromLocal8Bit(program), {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not quit after showing its window");
            break;
        }
    }
}

void BM_StartupFolio(benchmark::State& state) {
    startUntilShown(state, FOLIO_EXE);
}
BENCHMARK(BM_StartupFolio)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BaselineStartupEmptyWindow(benchmark::State& state) {
    startUntilShown(state, FOLIO_EMPTY_WINDOW_EXE);
}
BENCHMARK(BM_BaselineStartupEmptyWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
