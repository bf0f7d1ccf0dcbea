#include "app/frm_select.h"
#include "ui/qt_dialogs.h"
#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Folio"));
    QApplication::setDesktopFileName(QStringLiteral("folio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/folio.svg")));
    folio::ui::QtDialogs dialogs;
    folio::app::frmSelect window(dialogs);
    dialogs.setParent(&window);
    window.show();
    if (qEnvironmentVariableIsSet("FOLIO_EXIT_AFTER_SHOW")) {
        // Measures start-up: quit as soon as the first window has been shown.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
