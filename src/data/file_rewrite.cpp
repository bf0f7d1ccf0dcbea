#include "data/file_rewrite.h"
#include "data/account_record.h"
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/file_identity.h"
#include "data/file_io.h"
#include "data/file_lock.h"
#include "data/file_system.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace folio {

namespace {

constexpr std::size_t kRecord = RecordLayout::kRecordSize;
constexpr std::size_t kChunkBytes = static_cast<std::size_t>(kChunkRecords) * kRecord;
const QString kTag = QStringLiteral(".folio-");
const QString kEnd = QStringLiteral(".tmp");
constexpr int kUniqueLength = 6;

// The part of the file's name a temporary name starts with (short enough for any folder).
QString prefixFor(const QString& fileName) {
    QString base = fileName;
    while (QFile::encodeName(base).size() > 200) {
        base.chop(1);
    }
    return base + kTag;
}

QString uniquePart() {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<int> pick(0, 61);
    QString part;
    for (int i = 0; i < kUniqueLength; ++i) {
        part += QLatin1Char(kLetters[pick(random)]);
    }
    return part;
}

// The mode a new file gets: what the user's file-creation mask leaves of rw-rw-rw-.
mode_t newFileMode() {
    QFile status(QStringLiteral("/proc/self/status"));
    mode_t mask = 022;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                mask = static_cast<mode_t>(line.mid(6).trimmed().toUInt(nullptr, 8));
            }
        }
    }
    return 0666 & ~mask;
}

// Gives the new file the mode and owner of the one it replaces (or of a new file).
void matchModeAndOwner(int fd, const QString& target) {
    struct stat old {};
    struct stat now {};
    const bool existed = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    if (::fstat(fd, &now) != 0) {
        throw FileError::fromErrno(errno);
    }
    if (existed && (old.st_uid != now.st_uid || old.st_gid != now.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        throw FileError(70); // the file would change hands: refused, as it stands
    }
    const mode_t mode = existed ? (old.st_mode & 07777) : newFileMode();
    if (::fchmod(fd, mode) != 0) {
        throw FileError::fromErrno(errno);
    }
}

} // namespace

QString resolvedPath(const QString& path) {
    nativePath(path);
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) {
        return canonical;
    }
    if (info.isSymLink()) {
        throw FileError(53); // a link to nothing
    }
    return info.absoluteFilePath();
}

FileRewrite::FileRewrite(const QString& target, bool replaceHeld)
    : target_(resolvedPath(target)), held_(FileLock::heldFor(target_)) {
    if (held_ != nullptr && !replaceHeld) {
        throw FileError(55); // the books this Folio works on are not a copy's to replace
    }
    const QFileInfo info(target_);
    if (info.exists() && !info.isFile()) {
        throw FileError(75,
                        info.isDir() ? FileError::Problem::Folder : FileError::Problem::NotRegular);
    }
    if (held_ == nullptr && claimed_.claim(target_, false) == FileLock::Claim::HeldElsewhere) {
        throw FileError(55);
    }
    const QString start = info.absolutePath() + QLatin1Char('/') + prefixFor(info.fileName());
    FileSystem& files = fileSystem();
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = start + uniquePart() + kEnd;
        const QByteArray native = QFile::encodeName(temporary_);
        FileFaults::step();
        fd_ = files.open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         0600);
        if (fd_ < 0 && (errno != EEXIST || attempt == 99)) {
            throw FileError::fromErrno(errno, folderMissing(temporary_));
        }
    }
    try {
        FileLock::lockDescriptor(fd_); // a fresh file: nobody else can hold it
        matchModeAndOwner(fd_, target_);
    } catch (...) {
        files.close(fd_);
        files.unlink(QFile::encodeName(temporary_).constData());
        throw;
    }
}

FileRewrite::~FileRewrite() {
    if (!renamed_) {
        FileSystem& files = fileSystem();
        files.close(fd_);
        files.unlink(QFile::encodeName(temporary_).constData());
    }
}

void FileRewrite::append(const void* bytes, std::size_t size) {
    const auto* from = static_cast<const char*>(bytes);
    while (size > 0) {
        const std::size_t room = std::min(size, kChunkBytes - buffer_.size());
        buffer_.insert(buffer_.end(), from, from + room);
        from += room;
        size -= room;
        if (buffer_.size() == kChunkBytes) {
            flush();
        }
    }
}

void FileRewrite::flush() {
    if (buffer_.empty()) {
        return;
    }
    FileFaults::step();
    writeAt(fd_, buffer_.data(), buffer_.size(), static_cast<off_t>(written_));
    written_ += static_cast<std::int64_t>(buffer_.size());
    buffer_.clear();
}

void FileRewrite::commit() {
    flush();
    FileSystem& files = fileSystem();
    FileFaults::step();
    if (files.fsync(fd_) != 0) {
        throw FileError::fromErrno(errno);
    }
    FileFaults::step();
    if (files.rename(QFile::encodeName(temporary_).constData(),
                     QFile::encodeName(target_).constData()) != 0) {
        throw FileError::fromErrno(errno, folderMissing(target_));
    }
    renamed_ = true;
    if (held_ != nullptr) {
        held_->adopt(fd_); // the lock stays on whatever the path names
    } else {
        files.close(fd_);
    }
    fd_ = -1;
    claimed_.release();
    syncFolderOf(target_);
}

bool isTemporaryOf(const QString& name, const QString& path) {
    const QString prefix = prefixFor(QFileInfo(path).fileName());
    if (name.size() != prefix.size() + kUniqueLength + kEnd.size() || !name.startsWith(prefix) ||
        !name.endsWith(kEnd)) {
        return false;
    }
    const QString unique = name.mid(prefix.size(), kUniqueLength);
    return std::all_of(unique.begin(), unique.end(), [](QChar c) {
        return c.unicode() < 128 && std::isalnum(static_cast<unsigned char>(c.unicode())) != 0;
    });
}

void removeLeftovers(const QString& path) {
    QString target;
    try {
        target = resolvedPath(path);
    } catch (const FileError&) {
        return;
    }
    const QFileInfo info(target);
    const auto selected = fileIdentity(target);
    FileSystem& files = fileSystem();
    const QDir folder = info.absoluteDir();
    const auto names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& name : names) {
        if (!isTemporaryOf(name, target)) {
            continue;
        }
        const QByteArray native = QFile::encodeName(folder.filePath(name));
        // A link planted under such a name is not Folio's: it is left alone.
        const int fd =
            files.open(native.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0);
        if (fd < 0) {
            continue;
        }
        struct stat found {};
        if (::fstat(fd, &found) == 0 && S_ISREG(found.st_mode) && fileIdentityOf(fd) != selected &&
            FileLock::lockDescriptor(fd)) {
            files.unlink(native.constData()); // no running Folio is writing it
        }
        files.close(fd);
    }
}

} // namespace folio
