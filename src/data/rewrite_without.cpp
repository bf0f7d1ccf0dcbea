// Deleting a record streams the file into its successor a chunk at a time, so a file of
// any size is rewritten in the same small memory.
#include "data/account_record.h"
#include "data/file_faults.h"
#include "data/file_io.h"
#include "data/file_rewrite.h"
#include "data/file_system.h"
#include <algorithm>
#include <fcntl.h>
#include <vector>

namespace folio {

namespace {

// Closes a descriptor when the work ends, however it ends.
struct OpenFile {
    int fd;
    ~OpenFile() { fileSystem().close(fd); }
};

} // namespace

bool rewriteWithout(const QString& target, int count, int skipped, const Progress& progress) {
    constexpr std::size_t kRecord = RecordLayout::kRecordSize;
    const QString resolved = resolvedPath(target);
    const OpenFile source{openRegularFile(resolved, O_RDONLY)};
    FileRewrite rewrite(resolved, true);
    std::vector<char> chunk(static_cast<std::size_t>(std::min(count, kChunkRecords)) * kRecord);
    constexpr std::int64_t kRecordBytes = RecordLayout::kRecordSize;
    const std::int64_t total = std::int64_t{count} * kRecordBytes;
    for (int first = 1; first <= count; first += kChunkRecords) {
        const int n = std::min(kChunkRecords, count - first + 1);
        const std::size_t bytes = static_cast<std::size_t>(n) * kRecord;
        std::fill(chunk.begin(), chunk.end(), '\0');
        FileFaults::step();
        readAt(source.fd, chunk.data(), bytes,
               static_cast<off_t>(first - 1) * static_cast<off_t>(kRecord));
        if (skipped >= first && skipped < first + n) {
            const std::size_t at = static_cast<std::size_t>(skipped - first) * kRecord;
            rewrite.append(chunk.data(), at);
            rewrite.append(chunk.data() + at + kRecord, bytes - at - kRecord);
        } else {
            rewrite.append(chunk.data(), bytes);
        }
        const std::int64_t done = std::int64_t{first - 1 + n} * kRecordBytes;
        if (progress && !progress(done, total)) {
            return false;
        }
    }
    rewrite.commit();
    return true;
}

} // namespace folio
