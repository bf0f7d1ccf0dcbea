// The smallest window that looks like Folio's: a QMainWindow with a File menu and eight
// empty tabs. With FOLIO_EXIT_AFTER_SHOW set it quits as soon as it has been shown.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    auto* tabs = new QTabWidget(&window);
    for (int i = 0; i < 8; ++i) {
        tabs->addTab(new QWidget(tabs), QStringLiteral("Tab %1").arg(i));
    }
    window.setCentralWidget(tabs);
    window.resize(820, 600);
    window.show();
    if (qEnvironmentVariableIsSet("FOLIO_EXIT_AFTER_SHOW")) {
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
