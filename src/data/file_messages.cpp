#include "data/file_messages.h"
#include "data/file_error.h"
#include "data/file_io.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <unistd.h>

namespace folio {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString heldElsewhereMessage(const QString& accountsPath) {
    return QStringLiteral("File Already Open\n\nAnother Folio is working on \"%1\". Close it "
                          "there first, or choose another file.")
        .arg(shown(accountsPath));
}

QString cannotOpenMessage(const QString& accountsPath, const FileError& error) {
    const QString name = shown(accountsPath);
    const QByteArray native = QFile::encodeName(accountsPath);
    QString why;
    switch (error.problem()) {
    case FileError::Problem::Folder:
        why = QStringLiteral("it is a folder. Choose a file inside it, or type a new file name.");
        break;
    case FileError::Problem::NotRegular:
        why = QStringLiteral("it is not a regular file (a device, a pipe or a socket). "
                             "Choose an accounts file.");
        break;
    case FileError::Problem::TooLarge:
        why = QStringLiteral("it is larger than Folio handles (at most %1 accounts, %2 bytes).")
                  .arg(QLocale::c().toString(folio::kMostRecords),
                       QLocale::c().toString(folio::kLargestFile));
        break;
    case FileError::Problem::None:
        if (error.number() == 70 && !QFileInfo::exists(accountsPath)) {
            why = QStringLiteral("permission denied: Folio may not create a file in its folder. "
                                 "Choose another folder.");
        } else if (error.number() == 70) {
            why = ::access(native.constData(), R_OK) != 0
                      ? QStringLiteral("permission denied: Folio may not read it.")
                      : QStringLiteral("permission denied: Folio may not write it.");
            why += QStringLiteral(" Ask for read and write access, or choose another file.");
        } else if (error.number() == 76) {
            why = QStringLiteral("its folder does not exist.");
        } else if (error.number() == 61) {
            why = QStringLiteral("the disk is full. Make room on it, or choose another disk.");
        } else {
            why = errorMessage(error.number()) + QLatin1Char('.');
        }
        break;
    }
    return QStringLiteral("Folio cannot open \"%1\": %2").arg(name, why);
}

} // namespace folio
