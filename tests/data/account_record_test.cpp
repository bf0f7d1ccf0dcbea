#include "data/account_record.h"
#include <cstring>
#include <gtest/gtest.h>

using namespace folio;

namespace {

TEST(AccountRecord, EncodesItsFieldsAtTheirOffsetsInLatin1) {
    const AccountRecord r{QString(45, u'N'), "D1", Money::fromWhole(1), Money::fromRaw(-1)};
    const RecordBytes b = r.encode();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 40), std::string(40, 'N'));
    EXPECT_EQ(std::string(b.begin() + 40, b.begin() + 46), "D1    ");
    const std::uint8_t one[8] = {0x10, 0x27, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(one, one + 8, b.begin() + 46));
    EXPECT_TRUE(std::all_of(b.begin() + 54, b.end(), [](std::uint8_t x) { return x == 0xFF; }));
    EXPECT_EQ(AccountRecord::decode(b).name, QString(40, u'N'));
    EXPECT_EQ(AccountRecord::decode(b).type, "D1");
    // Texts are Latin-1; zero bytes show empty.
    const AccountRecord latin1{QStringLiteral("Caf\u00e9 \u20ac"), {}, {}, {}};
    EXPECT_EQ(latin1.encode()[3], 0xE9);
    EXPECT_EQ(AccountRecord::decode(latin1.encode()).name, QStringLiteral("Caf\u00e9 ?"));
    EXPECT_TRUE(AccountRecord::decode(RecordBytes{}).isBlank());
}

// The quick form of decode then encode, which the journal's digest reads the file with.
TEST(AccountRecord, BytesAsWrittenAreThoseOfDecodeThenEncode) {
    RecordBytes padded{};
    std::fill(padded.begin(), padded.end(), std::uint8_t{0xE9});
    RecordBytes blanks{};
    std::fill(blanks.begin(), blanks.end(), std::uint8_t{' '});
    const char* const names[] = {"", "  Cash  ", "\0\0Cash", "A\0B", "\xe9t\xe9 ", "Full"};
    for (const char* name : names) {
        for (RecordBytes bytes : {RecordBytes{}, padded, blanks}) {
            std::copy_n(name, std::strlen(name), bytes.begin() + 2);
            std::copy_n(" D1", 3, bytes.begin() + 41);
            EXPECT_EQ(RecordFields::asWritten(bytes), AccountRecord::decode(bytes).encode())
                << name;
        }
    }
}

} // namespace
