#include <QApplication>
#include <benchmark/benchmark.h>

namespace {
QtMessageHandler standardHandler = nullptr;

// The offscreen platform's note about size hints comes with every window shown; it would
// bury the figures.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QLatin1String("propagateSizeHints"))) {
        standardHandler(type, context, text);
    }
}
} // namespace

int main(int argc, char** argv) {
    standardHandler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
