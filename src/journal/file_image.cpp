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
        image += AccountRecord::decode(bytes).encodeBytes();
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
        image += record.encodeBytes();
    }
    return image;
}

QByteArray applied(const QByteArray& image, const Entry& entry) {
    if (entry.image) {
        return *entry.image;
    }
    if (definesWholeFile(entry.kind)) {
        std::vector<AccountRecord> whole;
        for (const Line& line : entry.lines) {
            whole.push_back(line.after.value_or(AccountRecord{}));
        }
        return imageOf(whole);
    }
    if (movesRecords(entry)) {
        std::vector<AccountRecord> records = recordsOf(image);
        for (const Line& line : entry.lines) {
            const auto at = static_cast<std::size_t>(line.record - 1);
            if (line.moves && line.after && at <= records.size()) {
                records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), *line.after);
            } else if (line.moves && at < records.size()) {
                records.erase(records.begin() + static_cast<std::ptrdiff_t>(at));
            }
        }
        return imageOf(records);
    }
    if (!changesLength(entry)) {
        QByteArray result = image;
        for (const Line& line : entry.lines) {
            const qsizetype offset = static_cast<qsizetype>(line.record - 1) * kSize;
            if (result.size() < offset + kSize) {
                result.resize(offset + kSize, '\0');
            }
            result.replace(offset, kSize, line.after->encodeBytes());
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

RecordPatch patchOf(const Entry& entry, std::int64_t lengthBefore) {
    RecordPatch patch;
    patch.lengthBefore = lengthBefore;
    patch.countBefore = recordsIn(lengthBefore);
    if (movesRecords(entry)) { // one record removed or put in, the later ones moving
        const Line& line = entry.lines.front();
        patch.rewrite = true;
        patch.move = line.after ? RecordPatch::Move::Insert : RecordPatch::Move::Remove;
        patch.at = line.record;
        patch.moved = line.after ? *line.after : line.before.value_or(AccountRecord{});
        patch.countAfter = patch.countBefore + (line.after ? 1 : -1);
        return patch;
    }
    patch.rewrite = definesWholeFile(entry.kind) || changesLength(entry);
    if (definesWholeFile(entry.kind)) { // every record, in order
        patch.countBefore = -1;
        patch.countAfter = static_cast<int>(entry.lines.size());
        patch.writes.reserve(entry.lines.size());
        for (const Line& line : entry.lines) {
            patch.writes.push_back(
                {line.record, std::nullopt, line.after.value_or(AccountRecord{})});
        }
        return patch;
    }
    // Each record once: its first image before, its last after (an import posts to its bank
    // account once a line). An empty image after ends the file before the record.
    std::map<int, std::size_t> at;
    std::map<int, bool> ends;
    int highest = patch.countBefore;
    for (const Line& line : entry.lines) {
        const auto [found, added] = at.try_emplace(line.record, patch.writes.size());
        if (added) {
            patch.writes.push_back({line.record, line.before, AccountRecord{}});
        }
        patch.writes[found->second].after = line.after.value_or(AccountRecord{});
        ends[line.record] = !line.after;
        highest = std::max(highest, line.record);
    }
    patch.countAfter = highest;
    while (patch.countAfter > 0 && ends.contains(patch.countAfter) && ends[patch.countAfter]) {
        --patch.countAfter;
    }
    return patch;
}

void writeEntry(BooksFile file, const RecordPatch& patch) {
    applyPatch(file.files, file.number, file.path, patch);
}

} // namespace folio::journal
