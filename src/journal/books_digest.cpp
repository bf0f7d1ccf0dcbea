#include "journal/books_digest.h"
#include "data/file_table.h"
#include "journal/file_image.h"
#include <algorithm>

namespace folio::journal {

namespace {

constexpr std::int64_t kSize = static_cast<std::int64_t>(RecordLayout::kRecordSize);

constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325U;
constexpr std::uint64_t kPrime = 0x100000001b3U;

std::uint64_t finished(std::uint64_t hash) {
    hash ^= hash >> 33U;
    hash *= std::uint64_t{0xff51afd7ed558ccdU};
    hash ^= hash >> 33U;
    hash *= std::uint64_t{0xc4ceb9fe1a85ec53U};
    return hash ^ (hash >> 33U);
}

// A 64-bit mix of a record's number and bytes (FNV-1a, finished with a multiply-xorshift so
// that one changed bit moves every bit of the result).
std::uint64_t mixOf(int record, const RecordBytes& bytes) {
    std::uint64_t hash = kOffsetBasis ^ static_cast<std::uint32_t>(record);
    for (const std::uint8_t byte : bytes) {
        hash = (hash ^ byte) * kPrime;
    }
    return finished(hash);
}

// How the mix of a record's bytes changes when it moves from one number to another: both
// mixes taken side by side, so that their multiplies overlap.
std::uint64_t movedMix(int from, int to, const RecordBytes& bytes) {
    std::uint64_t before = kOffsetBasis ^ static_cast<std::uint32_t>(from);
    std::uint64_t after = kOffsetBasis ^ static_cast<std::uint32_t>(to);
    for (const std::uint8_t byte : bytes) {
        before = (before ^ byte) * kPrime;
        after = (after ^ byte) * kPrime;
    }
    return finished(after) - finished(before);
}

} // namespace

void BooksDigest::add(int record, const AccountRecord& image) {
    sum += mixOf(record, image.encode());
}

void BooksDigest::add(int record, const RecordBytes& written) {
    sum += mixOf(record, written);
}

void BooksDigest::remove(int record, const AccountRecord& image) {
    sum -= mixOf(record, image.encode());
}

BooksDigest BooksDigest::after(const Entry& entry) const {
    BooksDigest next = definesWholeFile(entry.kind) ? BooksDigest{} : *this;
    for (const Line& line : entry.lines) {
        if (line.before && !definesWholeFile(entry.kind)) {
            next.remove(line.record, *line.before);
            --next.records;
        }
        if (line.after) {
            next.add(line.record, *line.after);
            ++next.records;
        }
    }
    return next;
}

BooksDigest BooksDigest::afterMoveOf(BooksFile file, const RecordPatch& patch) const {
    BooksDigest next = *this;
    if (patch.move == RecordPatch::Move::Insert) {
        next.add(patch.at, patch.moved);
        ++next.records;
    } else if (patch.at >= 1 && patch.at <= recordsIn(file.files.length(file.number))) {
        next.remove(patch.at, file.files.get(file.number, patch.at));
        --next.records;
    }
    return next;
}

void BooksDigest::moved(int from, int to, std::span<const RecordBytes> run) {
    std::size_t i = 0;
    // Two records side by side: four mixes whose multiplies overlap.
    for (; i + 1 < run.size(); i += 2) {
        const RecordBytes first = RecordFields::asWritten(run[i]);
        const RecordBytes second = RecordFields::asWritten(run[i + 1]);
        const auto at = static_cast<int>(i);
        std::uint64_t firstBefore = kOffsetBasis ^ static_cast<std::uint32_t>(from + at);
        std::uint64_t firstAfter = kOffsetBasis ^ static_cast<std::uint32_t>(to + at);
        std::uint64_t secondBefore = kOffsetBasis ^ static_cast<std::uint32_t>(from + at + 1);
        std::uint64_t secondAfter = kOffsetBasis ^ static_cast<std::uint32_t>(to + at + 1);
        for (std::size_t b = 0; b < first.size(); ++b) {
            firstBefore = (firstBefore ^ first[b]) * kPrime;
            firstAfter = (firstAfter ^ first[b]) * kPrime;
            secondBefore = (secondBefore ^ second[b]) * kPrime;
            secondAfter = (secondAfter ^ second[b]) * kPrime;
        }
        sum += finished(firstAfter) - finished(firstBefore) + finished(secondAfter) -
               finished(secondBefore);
    }
    if (i < run.size()) {
        const auto at = static_cast<int>(i);
        sum += movedMix(from + at, to + at, RecordFields::asWritten(run[i]));
    }
}

BooksDigest digestOfRecords(const std::vector<AccountRecord>& records) {
    BooksDigest digest;
    for (const AccountRecord& record : records) {
        digest.add(static_cast<int>(++digest.records), record);
    }
    return digest;
}

BooksDigest digestOfImage(const QByteArray& image) {
    BooksDigest digest;
    for (qsizetype at = 0; at < image.size(); at += kSize) {
        RecordBytes bytes{}; // a short last record padded with zero bytes, as the file reads
        const qsizetype take = std::min<qsizetype>(kSize, image.size() - at);
        std::copy_n(image.constData() + at, take, reinterpret_cast<char*>(bytes.data()));
        digest.add(static_cast<int>(++digest.records), AccountRecord::decode(bytes));
    }
    return digest;
}

BooksDigest digestOfFile(BooksFile file) {
    BooksDigest digest;
    const std::int64_t length = file.files.length(file.number);
    const int count = static_cast<int>((length + kSize - 1) / kSize);
    file.files.scanBytes(file.number, count, [&digest](int record, const RecordBytes& bytes) {
        // As Folio reads it: decoded and written again.
        digest.sum += mixOf(record, RecordFields::asWritten(bytes));
        ++digest.records;
        return true;
    });
    return digest;
}

} // namespace folio::journal
