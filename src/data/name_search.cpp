#include "data/name_search.h"
#include "data/account_record.h"
#include "data/file_table.h"

namespace folio {

namespace {

// Whether a stored name may upper-case to a text of `length` characters: its trimmed
// length must be that, unless it holds a sharp s (which upper-cases to two letters).
bool mayHaveLength(const RecordBytes& bytes, qsizetype length) {
    std::size_t begin = RecordLayout::kNameOffset;
    std::size_t end = begin + RecordLayout::kNameSize;
    const auto padding = [](std::uint8_t c) { return c == ' ' || c == '\0'; };
    while (begin < end && padding(bytes[begin])) {
        ++begin;
    }
    while (end > begin && padding(bytes[end - 1])) {
        --end;
    }
    for (std::size_t i = begin; i < end; ++i) {
        if (bytes[i] == 0xDF) {
            return true;
        }
    }
    return static_cast<qsizetype>(end - begin) == length;
}

} // namespace

NameSearch findNamed(FileTable& files, int number, int count, const QString& upperName,
                     const Progress& progress) {
    NameSearch search;
    search.stopped = !files.scanBytes(
        number, count,
        [&](int record, const RecordBytes& bytes) {
            if (mayHaveLength(bytes, upperName.size()) &&
                AccountRecord::decode(bytes).name.toUpper() == upperName) {
                search.found = record;
            }
            return !search.found;
        },
        progress);
    return search;
}

} // namespace folio
