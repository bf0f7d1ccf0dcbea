#include "journal/journal_files.h"
#include "data/file_error.h"
#include "journal/journal_store.h"
#include <QFile>
#include <cerrno>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace folio::journal {

namespace {

constexpr std::array<const char*, 3> kSuffixes{"", "-wal", "-shm"};

// What the database header says is wrong: not a database, or shorter than its pages.
QString headerProblem(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("Folio may not read it (permission denied)");
    }
    const QByteArray header = file.read(100);
    if (!header.startsWith(QByteArray("SQLite format 3", 16))) {
        return QStringLiteral("it is not a journal of Folio's (not a database at all)");
    }
    if (header.size() < 100) {
        return QStringLiteral("it is damaged: cut short");
    }
    const auto byte = [&header](int at) { return static_cast<quint32>(quint8(header[at])); };
    const quint32 pageSize = (byte(16) << 8 | byte(17)) == 1 ? 65536 : (byte(16) << 8 | byte(17));
    const quint32 pages = byte(28) << 24 | byte(29) << 16 | byte(30) << 8 | byte(31);
    if (qint64{pageSize} * pages > size) {
        return QStringLiteral("it is damaged: cut short (%L1 of its %L2 bytes are left)")
            .arg(size)
            .arg(qint64{pageSize} * pages);
    }
    return QString();
}

// What is wrong with one of the journal's files, empty when nothing is (or it is missing).
QString problemOf(const QString& path, bool main, bool toWrite, bool& exists) {
    struct stat found {};
    const QByteArray native = QFile::encodeName(path);
    exists = ::lstat(native.constData(), &found) == 0;
    if (!exists) {
        return errno == ENOENT ? QString() : QStringLiteral("Folio may not look at it");
    }
    const QString which =
        main ? QStringLiteral("it") : QStringLiteral("its side file %1").arg(path);
    if (S_ISLNK(found.st_mode)) {
        return QStringLiteral("%1 is a symbolic link, and Folio never follows a link for its "
                              "journal")
            .arg(which);
    }
    if (S_ISDIR(found.st_mode)) {
        return QStringLiteral("%1 is a folder, not a file").arg(which);
    }
    if (!S_ISREG(found.st_mode)) {
        return QStringLiteral("%1 is not a plain file").arg(which);
    }
    if (!main) {
        return QString();
    }
    if ((found.st_mode & 0444) == 0 || ::access(native.constData(), R_OK) != 0) {
        return QStringLiteral("Folio may not read it (permission denied)");
    }
    if (toWrite && ((found.st_mode & 0222) == 0 || ::access(native.constData(), W_OK) != 0)) {
        return QStringLiteral("it is read-only, so no change could be recorded in it");
    }
    if (found.st_size == 0) {
        return QString(); // created by a Folio stopped before its first entry: begun anew
    }
    return headerProblem(path, found.st_size);
}

} // namespace

JournalFiles::JournalFiles(const QString& journalPath, bool toWrite) : path_(journalPath) {
    for (std::size_t i = 0; i < kSuffixes.size(); ++i) {
        bool exists = false;
        const QString problem =
            problemOf(path_ + QLatin1String(kSuffixes[i]), i == 0, toWrite, exists);
        existed_[i] = exists;
        if (!problem.isEmpty()) {
            throw JournalUnusable(problem);
        }
    }
}

bool JournalFiles::hasLog() const {
    struct stat found {};
    return existed_[1] && ::lstat(QFile::encodeName(path_ + "-wal").constData(), &found) == 0 &&
           found.st_size > 0;
}

void JournalFiles::removeCreated() const {
    for (std::size_t i = kSuffixes.size(); i-- > 0;) {
        if (existed_[i]) {
            continue;
        }
        const QByteArray native = QFile::encodeName(path_ + QLatin1String(kSuffixes[i]));
        struct stat found {};
        if (::lstat(native.constData(), &found) == 0 && S_ISREG(found.st_mode)) {
            ::unlink(native.constData());
        }
    }
}

QString problemOfCode(int code) {
    switch (code & 0xff) {
    case SQLITE_NOTADB:
        return QStringLiteral("it is not a journal of Folio's (not a database at all)");
    case SQLITE_CORRUPT:
        return QStringLiteral("it is damaged (its database is malformed or cut short)");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("it is read-only, so no change could be recorded in it");
    case SQLITE_FULL:
        return QStringLiteral("the disk is full");
    case SQLITE_CANTOPEN:
        return QStringLiteral("it cannot be opened (the folder may not be written, or it is "
                              "a link)");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("another program is using it");
    default:
        return QStringLiteral("it cannot be read (%1)")
            .arg(QString::fromUtf8(sqlite3_errstr(code)));
    }
}

bool openJournalToRead(JournalStore& store, const QString& journalPath) {
    try {
        const JournalFiles files(journalPath, false);
        if (!files.existed()) {
            return false;
        }
        store.openToRead(journalPath, !files.hasLog());
    } catch (const JournalUnusable&) {
        throw FileError(75);
    }
    return true;
}

} // namespace folio::journal
