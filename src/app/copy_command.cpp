#include "app/copy_command.h"
#include "data/file_error.h"
#include "server/books_copy.h"
#include <QFileInfo>
#include <cstdio>

namespace folio::app {

namespace {

int refuse(const QString& words) {
    std::fputs(QStringLiteral("folio: %1\n").arg(words).toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace

int runCopy(const QString& from, const QString& to) {
    using server::ServerAddress;
    const bool fromServer = ServerAddress::isServerAddress(from);
    const bool toServer = ServerAddress::isServerAddress(to);
    if (fromServer == toServer) {
        return refuse(QStringLiteral("--copy copies between a books file and a server: one of "
                                     "FROM and TO must be a postgresql:// address"));
    }
    try {
        if (toServer) {
            server::copyFileToServer(QFileInfo(from).absoluteFilePath(), ServerAddress::parse(to));
        } else {
            server::copyServerToFile(ServerAddress::parse(from), QFileInfo(to).absoluteFilePath());
        }
    } catch (const server::ServerError& e) {
        return refuse(e.words());
    } catch (const FileError& e) {
        return refuse(
            QStringLiteral("the copy's journal could not be written (error %1)").arg(e.number()));
    }
    return 0;
}

int runSetupServer(const QString& address) {
    try {
        server::ServerBooks(server::ServerAddress::parse(address)).installSchema();
    } catch (const server::ServerError& e) {
        return refuse(e.words());
    }
    return 0;
}

} // namespace folio::app
