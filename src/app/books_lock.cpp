#include "app/books_lock.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace folio::app {

namespace {
QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

BooksLock::BooksLock() = default;
BooksLock::~BooksLock() = default;

QString BooksLock::lockPathFor(const QString& accountsPath) {
    return accountsPath + QStringLiteral(".lock");
}

BooksLock::Claim BooksLock::claim(const QString& accountsPath) {
    const QString wanted = absolute(lockPathFor(accountsPath));
    if (lock_ && wanted == lockPath_) {
        return Claim::Taken;
    }
    auto candidate = std::make_unique<QLockFile>(wanted);
    // Stale only when the owning process is gone, however long a session lasts.
    candidate->setStaleLockTime(0);
    if (!candidate->tryLock(0)) {
        if (candidate->error() == QLockFile::LockFailedError) {
            return Claim::HeldElsewhere;
        }
        candidate.reset(); // no lock can be written here; work on without one
    }
    lock_ = std::move(candidate);
    lockPath_ = lock_ ? wanted : QString();
    return Claim::Taken;
}

void BooksLock::release() {
    lock_.reset();
    lockPath_.clear();
}

bool BooksLock::holds(const QString& accountsPath) const {
    return lock_ && lockPath_ == absolute(lockPathFor(accountsPath));
}

void removeStaleLeftovers(const QString& accountsPath) {
    const QString folder = QFileInfo(accountsPath).absolutePath();
    const QStringList leftovers = {
        QDir(folder).filePath(QStringLiteral("File.TMP")),
        accountsPath + QStringLiteral(" closed monthly.TMP"),
        accountsPath + QStringLiteral(" closed ytd.TMP"),
        accountsPath + QStringLiteral(" closed monthly.journal.TMP"),
        accountsPath + QStringLiteral(" closed ytd.journal.TMP"),
    };
    for (const QString& leftover : leftovers) {
        if (QFileInfo(leftover).isFile()) {
            QFile::remove(leftover);
        }
    }
}

} // namespace folio::app
