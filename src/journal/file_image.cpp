#include "journal/file_image.h"
#include "data/books.h"
#include "data/file_error.h"
#include "data/file_table.h"
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace folio::journal {

namespace {
constexpr qsizetype kSize = static_cast<qsizetype>(RecordLayout::kRecordSize);

QByteArray bytesOf(const AccountRecord& record) {
    const RecordBytes bytes = record.encode();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kSize);
}

// What writing an entry puts in each record it touches, in the order they first appear: a
// record several lines touch (an import posts to its bank account once a line) is written
// once, with its last after image, and put back, on a failure, to its first before image.
struct RecordWrite {
    int record;
    const Line* first;
    const Line* last;
};

std::vector<RecordWrite> recordWrites(const Entry& entry) {
    std::vector<RecordWrite> writes;
    std::map<int, std::size_t> at;
    for (const Line& line : entry.lines) {
        const auto [found, added] = at.try_emplace(line.record, writes.size());
        if (added) {
            writes.push_back({line.record, &line, &line});
        } else {
            writes[found->second].last = &line;
        }
    }
    return writes;
}

// Puts the before images back, the failed record included (its bytes may have reached
// the file before its sync failed). A failure here leaves the rest to the next opening,
// which finishes the entry from its after images.
void restoreEarlier(BooksFile file, const std::vector<RecordWrite>& writes, std::size_t failed) {
    try {
        for (std::size_t i = failed + 1; i-- > 0;) {
            file.files.put(file.number, writes[i].record, *writes[i].first->before);
        }
    } catch (const FileError&) {
    }
}
} // namespace

BooksFile booksFile(Books& books) {
    const int number = books.handle();
    return {books.files(), number, books.path()};
}

QByteArray readImage(BooksFile file) {
    const std::int64_t length = file.files.length(file.number);
    const int count = static_cast<int>((length + kSize - 1) / kSize);
    QByteArray image;
    image.reserve(static_cast<qsizetype>(count) * kSize);
    file.files.scanBytes(file.number, count, [&image](int, const RecordBytes& bytes) {
        image += bytesOf(AccountRecord::decode(bytes));
        return true;
    });
    image.truncate(static_cast<qsizetype>(length));
    return image;
}

AccountRecord heldAs(const RecordBytes& bytes, std::int64_t length) {
    const AccountRecord record = AccountRecord::decode(bytes);
    const auto kept = static_cast<std::size_t>(length % kSize);
    if (kept == 0) {
        return record;
    }
    RecordBytes cut = record.encode();
    std::fill(cut.begin() + static_cast<std::ptrdiff_t>(kept), cut.end(), std::uint8_t{0});
    return AccountRecord::decode(cut);
}

std::optional<AccountRecord> recordAt(const QByteArray& image, int record) {
    const qsizetype offset = static_cast<qsizetype>(record - 1) * kSize;
    if (record < 1 || offset >= image.size()) {
        return std::nullopt;
    }
    RecordBytes bytes{};
    for (qsizetype i = 0; i < kSize && offset + i < image.size(); ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(image[offset + i]);
    }
    return AccountRecord::decode(bytes);
}

std::vector<AccountRecord> recordsOf(const QByteArray& image) {
    std::vector<AccountRecord> records;
    for (int record = 1; static_cast<qsizetype>(record - 1) * kSize < image.size(); ++record) {
        records.push_back(*recordAt(image, record));
    }
    return records;
}

QByteArray imageOf(const std::vector<AccountRecord>& records) {
    QByteArray image;
    image.reserve(static_cast<qsizetype>(records.size()) * kSize);
    for (const AccountRecord& record : records) {
        image += bytesOf(record);
    }
    return image;
}

QByteArray applied(const QByteArray& image, const Entry& entry) {
    if (definesWholeFile(entry.kind)) {
        std::vector<AccountRecord> whole;
        for (const Line& line : entry.lines) {
            whole.push_back(line.after.value_or(AccountRecord{}));
        }
        return imageOf(whole);
    }
    if (!changesLength(entry)) {
        QByteArray result = image;
        for (const Line& line : entry.lines) {
            const qsizetype offset = static_cast<qsizetype>(line.record - 1) * kSize;
            if (result.size() < offset + kSize) {
                result.resize(offset + kSize, '\0');
            }
            result.replace(offset, kSize, bytesOf(*line.after));
        }
        return result;
    }
    std::vector<std::optional<AccountRecord>> records;
    for (const AccountRecord& record : recordsOf(image)) {
        records.emplace_back(record);
    }
    for (const Line& line : entry.lines) {
        const auto at = static_cast<std::size_t>(line.record - 1);
        if (records.size() <= at) {
            records.resize(at + 1, AccountRecord{});
        }
        records[at] = line.after;
    }
    while (!records.empty() && !records.back()) {
        records.pop_back();
    }
    std::vector<AccountRecord> whole;
    for (const auto& record : records) {
        whole.push_back(record.value_or(AccountRecord{}));
    }
    return imageOf(whole);
}

void writeEntry(BooksFile file, const Entry& entry) {
    if (entry.lines.empty() && !definesWholeFile(entry.kind)) {
        return;
    }
    if (definesWholeFile(entry.kind) || changesLength(entry)) {
        const QByteArray image = applied(readImage(file), entry);
        // The books this Folio holds, or a closed copy it claims while it writes it.
        FileTable::replaceWhole(file.path, recordsOf(image), true);
        file.files.close(file.number);
        file.files.open(file.number, file.path);
        return;
    }
    const std::vector<RecordWrite> writes = recordWrites(entry);
    for (std::size_t i = 0; i < writes.size(); ++i) {
        try {
            file.files.put(file.number, writes[i].record, *writes[i].last->after);
        } catch (const FileError&) {
            restoreEarlier(file, writes, i);
            throw;
        }
    }
}

} // namespace folio::journal
