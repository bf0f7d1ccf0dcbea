#pragma once
#include "data/amounts.h"
#include <QByteArray>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

namespace folio {

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

// One account of the chart of accounts: its name, type code and two balances. In memory
// the texts are trimmed; on disk they are padded to their fields.
struct AccountRecord {
    QString name;
    QString type;
    Money current;
    Money ytd;

    // A record with blank texts and zero balances, as a new account starts.
    static AccountRecord blank() { return {}; }
    // No name, no type and no balance: the blank record a posting leaves after the
    // accounts, or a number no account uses.
    bool isBlank() const {
        return name.isEmpty() && type.isEmpty() && current.isZero() && ytd.isZero();
    }
    Amounts balances() const { return {current, ytd}; }
    void setBalances(const Amounts& amounts) {
        current = amounts.current;
        ytd = amounts.ytd;
    }

    // The texts are cut to their fields and padded with blanks; a character outside
    // Latin-1 is stored as '?'.
    RecordBytes encode() const;
    // Leading and trailing blanks (and the NULs of an unwritten record) are removed.
    static AccountRecord decode(const RecordBytes& bytes);
    // The same, as a byte array (how the journal and the server keep a record's image).
    QByteArray encodeBytes() const;
    // Missing bytes read as zeros, bytes past the record's size are ignored.
    static AccountRecord decodeBytes(const QByteArray& bytes);

    bool operator==(const AccountRecord&) const = default;
};

// Quick looks at a record's bytes, as decode() would read them, without making its texts:
// for passes over a whole file.
namespace RecordFields {
// A text field without its padding (blanks, and the NULs of an unwritten record).
QLatin1StringView name(const RecordBytes& bytes);
QLatin1StringView type(const RecordBytes& bytes);
Money current(const RecordBytes& bytes);
Money ytd(const RecordBytes& bytes);
// Whether the record decodes to a blank one (AccountRecord::isBlank()).
bool isBlank(const RecordBytes& bytes);
// The bytes decode() then encode() give: each text left-aligned and padded with blanks.
RecordBytes asWritten(const RecordBytes& bytes);
} // namespace RecordFields

} // namespace folio
