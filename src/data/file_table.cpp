#include "data/file_table.h"
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/file_io.h"
#include "data/file_system.h"
#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace folio {

namespace {

bool durableWrites = true;
constexpr std::size_t kRecord = RecordLayout::kRecordSize;
constexpr std::int64_t kRecordBytes = RecordLayout::kRecordSize;
static_assert(sizeof(RecordBytes) == kRecord, "records lie back to back in a chunk");

off_t offsetOf(int record) {
    if (record < 1 || record > folio::kMostRecords) {
        throw FileError(63);
    }
    return static_cast<off_t>(record - 1) * static_cast<off_t>(kRecord);
}

// Puts a file back as it was before a failed write: the old bytes where the record was,
// and the old length. Best effort: the failure itself is what gets reported.
void putBack(int fd, off_t offset, const RecordBytes& old, std::size_t oldBytes, off_t length) {
    if (oldBytes > 0) {
        try {
            folio::writeAt(fd, old.data(), oldBytes, offset);
        } catch (const FileError&) {
        }
    }
    if (offset + static_cast<off_t>(kRecord) > length) {
        fileSystem().ftruncate(fd, length);
    }
}

} // namespace

int recordCountOf(std::int64_t length) {
    const std::int64_t size = RecordLayout::kRecordSize;
    std::int64_t whole = length / size;
    const std::int64_t rest = length % size;
    if (2 * rest > size || (2 * rest == size && whole % 2 == 1)) {
        ++whole;
    }
    return static_cast<int>(std::min<std::int64_t>(whole, folio::kMostRecords));
}

FileTable::~FileTable() {
    closeAll();
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
    openAs(number, path, O_RDWR | O_CREAT);
}

void FileTable::openForReading(int number, const QString& path) {
    openAs(number, path, O_RDONLY);
}

void FileTable::openAs(int number, const QString& path, int flags) {
    if (number < kLowest || number > kHighest) {
        throw FileError(52);
    }
    if (used_[static_cast<std::size_t>(number)]) {
        throw FileError(55);
    }
    fds_[static_cast<std::size_t>(number)] = folio::openRegularFile(path, flags);
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
    folio::readAt(fd, bytes.data(), bytes.size(), offset); // past the end the rest stays zero
    return AccountRecord::decode(bytes);
}

void FileTable::put(int number, int record, const AccountRecord& account) {
    const int fd = descriptor(number);
    const off_t offset = offsetOf(record);
    const off_t length = static_cast<off_t>(folio::lengthOf(fd));
    RecordBytes old{};
    const std::size_t oldBytes =
        offset < length ? folio::readAt(fd, old.data(), old.size(), offset) : 0;
    try {
        FileFaults::step();
        const RecordBytes bytes = account.encode();
        folio::writeAt(fd, bytes.data(), bytes.size(), offset);
        if (durableWrites) {
            FileFaults::step();
            if (fileSystem().fdatasync(fd) != 0) {
                throw FileError::fromErrno(errno);
            }
        }
    } catch (const FileError&) {
        putBack(fd, offset, old, oldBytes, length);
        throw;
    }
}

void FileTable::write(int number, int record, const AccountRecord& account) {
    const int fd = descriptor(number);
    const off_t offset = offsetOf(record);
    FileFaults::step();
    const RecordBytes bytes = account.encode();
    folio::writeAt(fd, bytes.data(), bytes.size(), offset);
}

void FileTable::sync(int number) {
    const int fd = descriptor(number);
    if (durableWrites) {
        FileFaults::step();
        if (fileSystem().fdatasync(fd) != 0) {
            throw FileError::fromErrno(errno);
        }
    }
}

void FileTable::truncate(int number, std::int64_t length) {
    const int fd = descriptor(number);
    FileFaults::step();
    if (fileSystem().ftruncate(fd, static_cast<off_t>(length)) != 0) {
        throw FileError::fromErrno(errno);
    }
}

std::int64_t FileTable::length(int number) {
    return folio::lengthOf(descriptor(number));
}

void FileTable::close(int number) {
    if (number < kLowest || number > kHighest || !used_[static_cast<std::size_t>(number)]) {
        return;
    }
    fileSystem().close(fds_[static_cast<std::size_t>(number)]);
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
    return static_cast<int>(std::count(used_.begin(), used_.end(), true));
}

bool FileTable::scan(int number, int count,
                     const std::function<bool(int, const AccountRecord&)>& visit,
                     const folio::Progress& progress) {
    return scanBytes(
        number, count,
        [&visit](int record, const RecordBytes& bytes) {
            return visit(record, AccountRecord::decode(bytes));
        },
        progress);
}

bool FileTable::scanBytes(int number, int count,
                          const std::function<bool(int, const RecordBytes&)>& visit,
                          const folio::Progress& progress) {
    return scanChunks(
        number, count,
        [&visit](int first, std::span<const RecordBytes> records) {
            for (std::size_t i = 0; i < records.size(); ++i) {
                if (!visit(first + static_cast<int>(i), records[i])) {
                    return false;
                }
            }
            return true;
        },
        progress);
}

bool FileTable::scanChunks(int number, int count, const ChunkVisit& visit,
                           const folio::Progress& progress) {
    const std::size_t size = static_cast<std::size_t>(std::clamp(count, 0, folio::kChunkRecords));
    if (chunk_.size() < size) {
        chunk_.resize(size);
    }
    for (int first = 1; first <= count; first += folio::kChunkRecords) {
        const int n = std::min(folio::kChunkRecords, count - first + 1);
        const std::span<RecordBytes> records(chunk_.data(), static_cast<std::size_t>(n));
        readRecords(number, first, records);
        if (!visit(first, records)) {
            return true;
        }
        const std::int64_t done = std::int64_t{first - 1 + n} * kRecordBytes;
        if (progress && !progress(done, std::int64_t{count} * kRecordBytes)) {
            return false;
        }
    }
    return true;
}

void FileTable::readRecords(int number, int first, std::span<RecordBytes> into) {
    const int fd = descriptor(number);
    const off_t offset = offsetOf(first);
    FileFaults::step();
    auto* bytes = reinterpret_cast<std::uint8_t*>(into.data());
    const std::size_t size = into.size() * kRecord;
    const std::size_t read = folio::readAt(fd, bytes, size, offset);
    std::fill(bytes + read, bytes + size, std::uint8_t{0}); // past the end: zeros
}

bool FileTable::exists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

void FileTable::remove(const QString& path) {
    const QByteArray native = folio::nativePath(path);
    FileFaults::step();
    if (fileSystem().unlink(native.constData()) != 0) {
        throw FileError::fromErrno(errno, folio::folderMissing(path));
    }
}

void FileTable::rename(const QString& from, const QString& to) {
    const QByteArray source = folio::nativePath(from);
    const QByteArray target = folio::nativePath(to);
    FileFaults::step();
    if (fileSystem().rename(source.constData(), target.constData()) != 0) {
        throw FileError::fromErrno(errno, folio::folderMissing(to));
    }
}

void FileTable::replaceWhole(const QString& target, const std::vector<AccountRecord>& records,
                             bool heldHere) {
    folio::FileRewrite rewrite(target, heldHere);
    for (const AccountRecord& record : records) {
        const RecordBytes bytes = record.encode();
        rewrite.append(bytes.data(), bytes.size());
    }
    rewrite.commit();
}

void FileTable::setDurable(bool durable) {
    durableWrites = durable;
}

std::vector<RecordBytes> FileTable::readAll(int number) {
    const int count = recordCount(number);
    std::vector<RecordBytes> records;
    records.reserve(static_cast<std::size_t>(count));
    scanChunks(number, count, [&records](int, std::span<const RecordBytes> chunk) {
        records.insert(records.end(), chunk.begin(), chunk.end());
        return true;
    });
    return records;
}

} // namespace folio
