#include "data/file_table.h"
#include "data/file_error.h"
#include "data/file_faults.h"
#include <QByteArray>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace folio {

namespace {

bool durableWrites = true;

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

void syncFolderOf(const QString& path) {
    FileFaults::step();
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        throw FileError::fromErrno(errno, true);
    }
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0 && error != EINVAL) {
        throw FileError::fromErrno(error);
    }
}

void writeAll(int fd, const RecordBytes& bytes, off_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done,
                                   offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::fromErrno(errno);
        }
        done += static_cast<std::size_t>(n);
    }
}

off_t offsetOf(int record) {
    if (record < 1) {
        throw FileError(63);
    }
    return static_cast<off_t>(record - 1) * static_cast<off_t>(RecordLayout::kRecordSize);
}

} // namespace

int recordCountOf(std::int64_t length) {
    const std::int64_t size = RecordLayout::kRecordSize;
    std::int64_t whole = length / size;
    const std::int64_t rest = length % size;
    if (2 * rest > size || (2 * rest == size && whole % 2 == 1)) {
        ++whole;
    }
    return static_cast<int>(whole);
}

FileTable::~FileTable() {
    for (int n = kLowest; n <= kHighest; ++n) {
        if (used_[static_cast<std::size_t>(n)]) {
            ::close(fds_[static_cast<std::size_t>(n)]);
        }
    }
}

int FileTable::freeFile() const {
    for (int n = kLowest; n <= kHighest; ++n) {
        if (!used_[static_cast<std::size_t>(n)]) {
            return n;
        }
    }
    throw FileError(67);
}

void FileTable::open(int number, const QString& path) {
    if (number < kLowest || number > kHighest) {
        throw FileError(52);
    }
    if (used_[static_cast<std::size_t>(number)]) {
        throw FileError(55);
    }
    const QByteArray native = nativePath(path);
    FileFaults::step();
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        throw FileError::fromErrno(error, folderMissing(path));
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw FileError(75);
    }
    fds_[static_cast<std::size_t>(number)] = fd;
    used_[static_cast<std::size_t>(number)] = true;
}

int FileTable::descriptor(int number) const {
    if (number < kLowest || number > kHighest || !used_[static_cast<std::size_t>(number)]) {
        throw FileError(52);
    }
    return fds_[static_cast<std::size_t>(number)];
}

AccountRecord FileTable::get(int number, int record) {
    const int fd = descriptor(number);
    const off_t offset = offsetOf(record);
    FileFaults::step();
    RecordBytes bytes{};
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done,
                                  offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::fromErrno(errno);
        }
        if (n == 0) {
            break; // past the end: the rest stays zero
        }
        done += static_cast<std::size_t>(n);
    }
    return AccountRecord::decode(bytes);
}

void FileTable::put(int number, int record, const AccountRecord& account) {
    const int fd = descriptor(number);
    const off_t offset = offsetOf(record);
    FileFaults::step();
    writeAll(fd, account.encode(), offset);
    if (durableWrites) {
        FileFaults::step();
        if (::fdatasync(fd) != 0) {
            throw FileError::fromErrno(errno);
        }
    }
}

std::int64_t FileTable::length(int number) {
    const int fd = descriptor(number);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw FileError::fromErrno(errno);
    }
    return static_cast<std::int64_t>(info.st_size);
}

void FileTable::close(int number) {
    if (number < kLowest || number > kHighest || !used_[static_cast<std::size_t>(number)]) {
        return;
    }
    ::close(fds_[static_cast<std::size_t>(number)]);
    used_[static_cast<std::size_t>(number)] = false;
}

void FileTable::closeAll() {
    for (int n = kLowest; n <= kHighest; ++n) {
        close(n);
    }
}

bool FileTable::isOpen(int number) const {
    return number >= kLowest && number <= kHighest && used_[static_cast<std::size_t>(number)];
}

int FileTable::openCount() const {
    int count = 0;
    for (bool used : used_) {
        count += used ? 1 : 0;
    }
    return count;
}

bool FileTable::exists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

void FileTable::remove(const QString& path) {
    const QByteArray native = nativePath(path);
    FileFaults::step();
    if (::unlink(native.constData()) != 0) {
        throw FileError::fromErrno(errno, folderMissing(path));
    }
}

void FileTable::rename(const QString& from, const QString& to) {
    const QByteArray source = nativePath(from);
    const QByteArray target = nativePath(to);
    FileFaults::step();
    if (::rename(source.constData(), target.constData()) != 0) {
        throw FileError::fromErrno(errno, folderMissing(to));
    }
}

void FileTable::replaceWhole(const QString& target, const QString& temporary,
                             const std::vector<AccountRecord>& records) {
    const QByteArray native = nativePath(temporary);
    nativePath(target);
    ::unlink(native.constData());
    FileFaults::step();
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        throw FileError::fromErrno(errno, folderMissing(temporary));
    }
    int open = fd;
    try {
        off_t offset = 0;
        for (const AccountRecord& record : records) {
            FileFaults::step();
            writeAll(fd, record.encode(), offset);
            offset += static_cast<off_t>(RecordLayout::kRecordSize);
        }
        FileFaults::step();
        if (::fsync(fd) != 0) {
            throw FileError::fromErrno(errno);
        }
        ::close(fd);
        open = -1;
        rename(temporary, target);
    } catch (...) {
        if (open >= 0) {
            ::close(open);
        }
        ::unlink(native.constData());
        throw;
    }
    syncFolderOf(target);
}

void FileTable::setDurable(bool durable) {
    durableWrites = durable;
}

std::vector<RecordBytes> FileTable::readAll(int number) {
    const int fd = descriptor(number);
    const auto count = static_cast<std::size_t>(recordCount(number));
    std::vector<RecordBytes> records(count); // zeros where the file ends early
    auto* bytes = reinterpret_cast<std::uint8_t*>(records.data());
    const std::size_t size = count * RecordLayout::kRecordSize;
    static_assert(sizeof(RecordBytes) == RecordLayout::kRecordSize);
    FileFaults::step();
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes + done, size - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError::fromErrno(errno);
        }
        if (n == 0) {
            break; // the file ended inside its last record
        }
        done += static_cast<std::size_t>(n);
    }
    return records;
}

} // namespace folio
