#pragma once
#include "data/money.h"
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

// Where each field of an account record lies in its 62 bytes on disk. Texts are Latin-1,
// blank-padded on the right; money is a little-endian 64-bit count of ten-thousandths.
namespace RecordLayout {
inline constexpr std::size_t kNameOffset = 0;
inline constexpr std::size_t kNameSize = 40;
inline constexpr std::size_t kTypeOffset = kNameOffset + kNameSize;
inline constexpr std::size_t kTypeSize = 6;
inline constexpr std::size_t kCurrentOffset = kTypeOffset + kTypeSize;
inline constexpr std::size_t kMoneySize = 8;
inline constexpr std::size_t kYtdOffset = kCurrentOffset + kMoneySize;
inline constexpr std::size_t kRecordSize = kYtdOffset + kMoneySize;
static_assert(kRecordSize == 62);
} // namespace RecordLayout

using RecordBytes = std::array<std::uint8_t, RecordLayout::kRecordSize>;

// One account of the chart of accounts: its name, type code and two balances.
struct AccountRecord {
    std::array<char, RecordLayout::kNameSize> Name{};
    std::array<char, RecordLayout::kTypeSize> AcctType{};
    Money CurrentBalance;
    Money YtdBalance;

    // A record with blank texts and zero balances, as a new account starts.
    static AccountRecord blank();

    // Assigning a text cuts it to the field or pads it with blanks; a character outside
    // Latin-1 is stored as '?'.
    void setName(const QString& text);
    void setAcctType(const QString& text);
    // The texts with leading and trailing blanks (and the NULs of an unwritten record) removed.
    QString trimmedName() const;
    QString trimmedType() const;

    RecordBytes encode() const;
    static AccountRecord decode(const RecordBytes& bytes);

    bool operator==(const AccountRecord&) const = default;
};
