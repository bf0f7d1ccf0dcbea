#include "app/command_line.h"
#include "app/copy_command.h"
#include "app/export_command.h"
#include "app/import_command.h"
#include "app/main_window.h"
#include "app/recent_files.h"
#include "app/verify_command.h"
#include "ui/qt_dialogs.h"
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void say(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[]) {
    using folio::app::CommandLine;
    CommandLine line = folio::app::parseCommandLine(argumentsOf(argc, argv));
    switch (line.action) {
    case CommandLine::Action::Help:
        say(stdout, folio::app::helpText());
        return 0;
    case CommandLine::Action::Version:
        say(stdout, folio::app::versionText());
        return 0;
    case CommandLine::Action::Export:
        return folio::app::runExport(line.exportRequest, argc, argv);
    case CommandLine::Action::Verify:
        return folio::app::runVerify(line.booksFile);
    case CommandLine::Action::Import: {
        QCoreApplication core(argc, argv);
        return folio::app::runImport(line.importRequest);
    }
    case CommandLine::Action::Copy:
        return folio::app::runCopy(line.copyPaths[0], line.copyPaths[1]);
    case CommandLine::Action::SetupServer:
        return folio::app::runSetupServer(line.copyPaths[0]);
    case CommandLine::Action::Fail:
        if (!line.unknownOption) {
            say(stderr, QStringLiteral("folio: %1\nTry folio --help.\n").arg(line.error));
            return 2;
        }
        break; // perhaps one of Qt's own options: read again once Qt has taken them
    case CommandLine::Action::Run:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Folio"));
    QApplication::setApplicationVersion(QStringLiteral(FOLIO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("folio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/folio.svg")));
    // Qt takes its own options (-platform, -style ...) out of the arguments; read the rest.
    line = folio::app::parseCommandLine(QApplication::arguments());
    if (line.action == CommandLine::Action::Fail) {
        say(stderr, QStringLiteral("folio: %1\nTry folio --help.\n").arg(line.error));
        return 2;
    }
    folio::ui::QtDialogs dialogs;
    folio::app::MainWindow window(dialogs);
    dialogs.setParent(&window);
    window.show();
    if (!line.booksFile.isEmpty()) {
        // Selected once the window is up, so its messages appear over it.
        // A postgresql:// address names books on a server, kept as given.
        const QString file = folio::app::RecentFiles::isServerAddress(line.booksFile)
                                 ? line.booksFile
                                 : QFileInfo(line.booksFile).absoluteFilePath();
        QTimer::singleShot(0, &window, [&window, file] { window.selectBooks(file); });
    }
    if (qEnvironmentVariableIsSet("FOLIO_EXIT_AFTER_SHOW")) {
        // Measures start-up: quit as soon as the first window has been shown.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
