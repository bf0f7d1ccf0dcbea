#pragma once
#include "data/account_record.h"
#include "data/account_table.h"
#include <QString>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

// What the harnesses share: turning fuzz bytes into texts, amounts and account tables the
// way the accounts file and the text boxes would hand them over.
using namespace folio;

namespace fuzz {

// Stops the run with a finding when a property does not hold.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The bytes as a text: the first byte chooses UTF-8 or Latin-1, as typed or as stored.
inline QString text(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return QString();
    }
    const char* chars = reinterpret_cast<const char*>(data + 1);
    const auto length = static_cast<qsizetype>(size - 1);
    return (data[0] & 1) != 0 ? QString::fromUtf8(chars, length)
                              : QString::fromLatin1(chars, length);
}

// Takes eight bytes as a raw money value (missing bytes are zero).
inline Money takeMoney(const std::uint8_t*& data, std::size_t& size) {
    std::uint64_t raw = 0;
    const std::size_t n = std::min<std::size_t>(size, 8);
    std::memcpy(&raw, data, n);
    data += n;
    size -= n;
    return Money::fromRaw(static_cast<std::int64_t>(raw));
}

// The bytes as an accounts file read into a table: one entry per 62-byte record (a short
// last record is padded with zeros, as a read past the end gives).
inline AccountTable table(const std::uint8_t* data, std::size_t size) {
    AccountTable result;
    const std::size_t records = (size + RecordLayout::kRecordSize - 1) / RecordLayout::kRecordSize;
    for (std::size_t i = 0; i < records; ++i) {
        RecordBytes bytes{};
        const std::size_t at = i * RecordLayout::kRecordSize;
        std::memcpy(bytes.data(), data + at, std::min(bytes.size(), size - at));
        result.records.push_back(AccountRecord::decode(bytes));
    }
    return result;
}

} // namespace fuzz
