#include "app/frm_select.h"
#include "ui/qt_dialogs.h"
#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Folio"));
    QApplication::setDesktopFileName(QStringLiteral("folio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/folio.svg")));
    QtDialogs dialogs;
    frmSelect window(dialogs);
    dialogs.setParent(&window);
    window.show();
    return QApplication::exec();
}
