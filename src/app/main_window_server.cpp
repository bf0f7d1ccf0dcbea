// The main window on books kept on a PostgreSQL server.
#include "app/main_window.h"
#include "app/server_books_dialog.h"
#include "app/server_watch.h"
#include "server/server_books.h"
#include "ui/dialogs.h"
#include <QTabWidget>

namespace folio::app {

void MainWindow::chooseServerBooks() {
    ServerBooksDialog dialog(lastServerAddress_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.address().isEmpty()) {
        return;
    }
    if (!server::ServerAddress::isServerAddress(dialog.address())) {
        dialogs_.message(QStringLiteral("A server's address begins with postgresql://, as in "
                                        "postgresql://sam@dbhost/firm."),
                         ui::MessageIcon::Exclamation);
        return;
    }
    openServerBooks(dialog.address());
}

bool MainWindow::openServerBooks(const QString& address) {
    lastServerAddress_ = address;
    try {
        auto* watch = new ServerWatch(address, session_, this);
        try {
            session_.openServer(address);
        } catch (...) {
            delete watch;
            throw;
        }
        delete serverWatch_;
        serverWatch_ = watch;
    } catch (const server::ServerError& error) {
        dialogs_.message(error.words(), ui::MessageIcon::Critical);
        return false;
    }
    showSelected(address);
    return true;
}

} // namespace folio::app
