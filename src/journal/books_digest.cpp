#include "journal/books_digest.h"
#include "data/file_table.h"
#include "journal/file_image.h"
#include <algorithm>
#include <array>
#include <vector>

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

// 64-bit mixes of records' numbers and bytes (FNV-1a, finished with a multiply-xorshift so
// that one changed bit moves every bit of the result), taken side by side: each mix waits on
// its own multiply at every byte, several together keep the multiplier busy.
template <std::size_t N>
std::array<std::uint64_t, N> mixesOf(const std::array<std::int64_t, N>& numbers,
                                     const std::array<const RecordBytes*, N>& records) {
    std::array<std::uint64_t, N> hashes{};
    for (std::size_t k = 0; k < N; ++k) {
        hashes[k] = kOffsetBasis ^ static_cast<std::uint32_t>(numbers[k]);
    }
    for (std::size_t b = 0; b < RecordLayout::kRecordSize; ++b) {
#pragma GCC unroll 4 // so that the mixes stay in registers
        for (std::size_t k = 0; k < N; ++k) {
            hashes[k] = (hashes[k] ^ (*records[k])[b]) * kPrime;
        }
    }
    for (std::uint64_t& hash : hashes) {
        hash = finished(hash);
    }
    return hashes;
}

std::uint64_t mixOf(int record, const RecordBytes& bytes) {
    return mixesOf<1>({record}, {&bytes})[0];
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
    // Two records side by side, each under its number before and after: four mixes.
    for (; i + 1 < run.size(); i += 2) {
        const RecordBytes first = RecordFields::asWritten(run[i]);
        const RecordBytes second = RecordFields::asWritten(run[i + 1]);
        const auto at = static_cast<std::int64_t>(i);
        const auto mixes = mixesOf<4>({from + at, to + at, from + at + 1, to + at + 1},
                                      {&first, &first, &second, &second});
        sum += mixes[1] - mixes[0] + mixes[3] - mixes[2];
    }
    if (i < run.size()) {
        const RecordBytes last = RecordFields::asWritten(run[i]);
        const auto at = static_cast<std::int64_t>(i);
        const auto mixes = mixesOf<2>({from + at, to + at}, {&last, &last});
        sum += mixes[1] - mixes[0];
    }
}

void BooksDigest::addRun(int first, std::span<const RecordBytes> written) {
    std::size_t i = 0;
    for (; i + 3 < written.size(); i += 4) {
        const std::int64_t at = first + static_cast<std::int64_t>(i);
        const auto mixes =
            mixesOf<4>({at, at + 1, at + 2, at + 3},
                       {&written[i], &written[i + 1], &written[i + 2], &written[i + 3]});
        sum += mixes[0] + mixes[1] + mixes[2] + mixes[3];
    }
    for (; i < written.size(); ++i) {
        sum += mixOf(first + static_cast<int>(i), written[i]);
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
    std::vector<RecordBytes> written;
    file.files.scanChunks(file.number, count, [&](int first, std::span<const RecordBytes> records) {
        // As Folio reads them: decoded and written again.
        written.resize(records.size());
        std::transform(records.begin(), records.end(), written.begin(), RecordFields::asWritten);
        digest.addRun(first, written);
        digest.records += static_cast<std::int64_t>(records.size());
        return true;
    });
    return digest;
}

} // namespace folio::journal
