#include "data/file_io.h"
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/file_system.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace folio {

QByteArray nativePath(const QString& path) {
    if (path.isEmpty()) {
        throw FileError(52);
    }
    if (path.contains(QChar(u'\0'))) {
        throw FileError(64);
    }
    return QFile::encodeName(path);
}

bool folderMissing(const QString& path) {
    return !QFileInfo(QFileInfo(path).absolutePath()).isDir();
}

int openRegularFile(const QString& path, int flags, mode_t mode) {
    const QByteArray native = nativePath(path);
    FileFaults::step();
    FileSystem& files = fileSystem();
    const int fd = files.open(native.constData(), flags | O_CLOEXEC | O_NONBLOCK, mode);
    if (fd < 0) {
        const int error = errno;
        throw FileError::fromErrno(error, folderMissing(path));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        files.close(fd);
        throw FileError::fromErrno(error);
    }
    FileError::Problem problem = FileError::Problem::None;
    if (S_ISDIR(info.st_mode)) {
        problem = FileError::Problem::Folder;
    } else if (!S_ISREG(info.st_mode)) {
        problem = FileError::Problem::NotRegular;
    } else if (info.st_size > kLargestFile) {
        problem = FileError::Problem::TooLarge;
    }
    if (problem != FileError::Problem::None) {
        files.close(fd);
        throw FileError(problem == FileError::Problem::TooLarge ? 6 : 75, problem);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::size_t readAt(int fd, void* buffer, std::size_t size, off_t offset) {
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            fileSystem().pread(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::fromErrno(errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void writeAt(int fd, const void* buffer, std::size_t size, off_t offset) {
    const auto* bytes = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            fileSystem().pwrite(fd, bytes + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::fromErrno(errno);
        }
        if (n == 0) {
            throw FileError(61);
        }
        done += static_cast<std::size_t>(n);
    }
}

void syncFolderOf(const QString& path) {
    FileFaults::step();
    FileSystem& files = fileSystem();
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = files.open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) {
        throw FileError::fromErrno(errno, true);
    }
    const int result = files.fsync(fd);
    const int error = errno;
    files.close(fd);
    if (result != 0 && error != EINVAL) {
        throw FileError::fromErrno(error);
    }
}

std::int64_t lengthOf(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw FileError::fromErrno(errno);
    }
    return static_cast<std::int64_t>(info.st_size);
}

} // namespace folio
