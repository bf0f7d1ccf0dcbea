#include "power_loss_disk.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool inodeOf(int fd, std::pair<dev_t, ino_t>& inode, bool& folder) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return false;
    }
    inode = {info.st_dev, info.st_ino};
    folder = S_ISDIR(info.st_mode);
    return true;
}
} // namespace

PowerLossDisk::PowerLossDisk(const QString& folder) : folder_(QDir(folder).canonicalPath()) {
    struct stat info {};
    ::stat(QFile::encodeName(folder_).constData(), &info);
    folderInode_ = {info.st_dev, info.st_ino};
    for (const QString& name : QDir(folder_).entryList(QDir::Files | QDir::Hidden)) {
        const QString path = folder_ + '/' + name;
        if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            names_[name] = {info.st_dev, info.st_ino};
            syncedBytes_[names_[name]] = file.readAll();
        }
    }
    syncedNames_ = names_;
    folio::setFileSystem(this);
}

PowerLossDisk::~PowerLossDisk() {
    folio::setFileSystem(nullptr);
}

QByteArray PowerLossDisk::afterCut(const QString& name) const {
    const auto found = syncedNames_.find(name);
    if (found == syncedNames_.end()) {
        return QByteArray();
    }
    const auto bytes = syncedBytes_.find(found->second);
    return bytes == syncedBytes_.end() ? QByteArray() : bytes->second;
}

QString PowerLossDisk::nameIn(const char* path) const {
    const QFileInfo file(QFile::decodeName(path));
    return QFileInfo(file.absolutePath()).canonicalFilePath() == folder_ ? file.fileName()
                                                                         : QString();
}

void PowerLossDisk::synced(int fd) {
    Inode inode;
    bool folder = false;
    if (!inodeOf(fd, inode, folder)) {
        return;
    }
    if (folder) {
        if (inode == folderInode_) {
            syncedNames_ = names_;
        }
        return;
    }
    struct stat info {};
    ::fstat(fd, &info);
    QByteArray bytes(static_cast<qsizetype>(info.st_size), '\0');
    const ssize_t n = ::pread(fd, bytes.data(), static_cast<size_t>(bytes.size()), 0);
    bytes.truncate(n < 0 ? 0 : n);
    syncedBytes_[inode] = bytes;
}

int PowerLossDisk::open(const char* path, int flags, mode_t mode) {
    beforeCall();
    const int fd = FileSystem::open(path, flags, mode);
    const int error = errno; // the bookkeeping below must not change what the caller sees
    Inode inode;
    bool folder = false;
    const QString name = nameIn(path);
    if (fd >= 0 && !name.isEmpty() && !names_.count(name) && inodeOf(fd, inode, folder) &&
        !folder) {
        names_[name] = inode; // created: empty after a cut until synced
        syncedBytes_.try_emplace(inode);
    }
    errno = error;
    return fd;
}

ssize_t PowerLossDisk::pread(int fd, void* buffer, size_t size, off_t offset) {
    beforeCall();
    return FileSystem::pread(fd, buffer, size, offset);
}

ssize_t PowerLossDisk::pwrite(int fd, const void* buffer, size_t size, off_t offset) {
    beforeCall();
    return FileSystem::pwrite(fd, buffer, size, offset);
}

int PowerLossDisk::fsync(int fd) {
    return sync(fd, [this, fd] { return FileSystem::fsync(fd); });
}

int PowerLossDisk::fdatasync(int fd) {
    return sync(fd, [this, fd] { return FileSystem::fdatasync(fd); });
}

int PowerLossDisk::sync(int fd, const std::function<int()>& real) {
    beforeCall();
    const int result = real();
    if (result == 0) {
        synced(fd);
    }
    return result;
}

int PowerLossDisk::ftruncate(int fd, off_t length) {
    beforeCall();
    return FileSystem::ftruncate(fd, length);
}

int PowerLossDisk::rename(const char* from, const char* to) {
    beforeCall();
    const int result = FileSystem::rename(from, to);
    const int error = errno;
    const QString source = nameIn(from);
    const QString target = nameIn(to);
    if (result == 0 && names_.count(source) && !target.isEmpty()) {
        names_[target] = names_[source];
        names_.erase(source);
    }
    errno = error;
    return result;
}

int PowerLossDisk::unlink(const char* path) {
    beforeCall();
    const int result = FileSystem::unlink(path);
    const int error = errno;
    if (result == 0) {
        names_.erase(nameIn(path));
    }
    errno = error;
    return result;
}
