#include "data/account_record.h"
#include "data/account_table.h"
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/file_table.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folio;

namespace {

TEST(AccountRecord, EncodesItsFieldsAtTheirOffsets) {
    const AccountRecord r{QString(45, u'N'), "D1", Money::fromWhole(1), Money::fromRaw(-1)};
    const RecordBytes b = r.encode();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 40), std::string(40, 'N'));
    EXPECT_EQ(std::string(b.begin() + 40, b.begin() + 46), "D1    ");
    const std::uint8_t one[8] = {0x10, 0x27, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(one, one + 8, b.begin() + 46));
    EXPECT_TRUE(std::all_of(b.begin() + 54, b.end(), [](std::uint8_t x) { return x == 0xFF; }));
    EXPECT_EQ(AccountRecord::decode(b).name, QString(40, u'N'));
    EXPECT_EQ(AccountRecord::decode(b).type, "D1");
}

TEST(AccountRecord, TextsAreLatin1AndZeroBytesShowEmpty) {
    const AccountRecord r{QStringLiteral("Caf\u00e9 \u20ac"), {}, {}, {}};
    EXPECT_EQ(r.encode()[3], 0xE9);
    EXPECT_EQ(AccountRecord::decode(r.encode()).name, QStringLiteral("Caf\u00e9 ?"));
    EXPECT_TRUE(AccountRecord::decode(RecordBytes{}).isBlank());
}

TEST(RecordCount, RoundsHalfToEven) {
    const std::pair<std::int64_t, int> cases[] = {{0, 0},  {31, 0},  {32, 1},  {62, 1},
                                                  {93, 2}, {155, 2}, {124, 2}, {217, 4}};
    for (const auto& [length, count] : cases) {
        EXPECT_EQ(recordCountOf(length), count) << length;
    }
}

class FileTableTest : public ::testing::Test {
  protected:
    void TearDown() override { FileFaults::clear(); }
    QTemporaryDir dir;
    FileTable files;
};

TEST_F(FileTableTest, ReadsZerosPastTheEndAndExtendsOnWrite) {
    const QString path = dir.filePath("a.dat");
    const int n = files.freeFile();
    EXPECT_EQ(n, 1);
    files.open(n, path);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(files.freeFile(), 2);
    EXPECT_EQ(files.get(n, 3), AccountRecord::decode(RecordBytes{}));
    const AccountRecord r{"Cash", {}, {}, {}};
    files.put(n, 3, r);
    EXPECT_EQ(files.length(n), 186);
    EXPECT_EQ(files.get(n, 3), r);
    EXPECT_EQ(files.get(n, 1), AccountRecord::decode(RecordBytes{}));
    files.close(n);
    EXPECT_FALSE(files.isOpen(n));
    EXPECT_THROW(files.get(n, 1), FileError);
}

TEST_F(FileTableTest, FailuresCarryTheirClassicNumbers) {
    auto numberOf = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const FileError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(numberOf([&] { files.open(1, dir.filePath("gone/a.dat")); }), 76);
    EXPECT_EQ(numberOf([&] { files.open(1, QString()); }), 52);
    EXPECT_EQ(numberOf([&] { FileTable::remove(dir.filePath("missing")); }), 53);
    EXPECT_EQ(numberOf([&] { files.open(1, dir.path()); }), 75);
    FileFaults::failAt(1, 61);
    EXPECT_EQ(numberOf([&] { files.open(1, dir.filePath("b.dat")); }), 61);
}

TEST(ErrorMessages, TranslateClassicNumbers) {
    EXPECT_EQ(errorMessage(71), "Disk is not ready.  Insert disk in the drive and close the door.");
    EXPECT_EQ(errorMessage(11), "Undetermined error = 11");
    EXPECT_EQ(errorMessage(482), "Printer Error");
    EXPECT_EQ(errorMessage(76), "Path not found");
}

} // namespace
