#include "data/account_table.h"
#include "data/file_table.h"
#include "support/record_fixture.h"
#include <QTemporaryDir>

using namespace folio;

namespace {

// The whole file read in one pass gives what reading it record by record gives: a short
// last record zero-padded, a stub shorter than half a record left out, half a record
// rounded to even.
TEST(ReadAll, MatchesReadingRecordByRecord) {
    QTemporaryDir dir;
    FileTable files;
    const std::pair<int, int> cases[] = {{0, 0},   {31, 0},  {32, 1},    {62, 1},
                                         {93, 2},  {102, 2}, {124, 2},   {155, 2},
                                         {186, 3}, {217, 4}, {6200, 100}};
    for (const auto& [length, count] : cases) {
        const QString path = dir.filePath(QStringLiteral("f%1.dat").arg(length));
        QByteArray bytes(length, '\0');
        for (int i = 0; i < length; ++i) {
            bytes[i] = static_cast<char>(i % 251 + 1);
        }
        writeBytes(path, bytes);
        const int n = files.freeFile();
        files.open(n, path);
        const AccountTable table = AccountTable::read(files, n);
        ASSERT_EQ(files.recordCount(n), count) << length;
        ASSERT_EQ(static_cast<int>(table.records.size()), count) << length;
        for (int record = 1; record <= count; ++record) {
            EXPECT_EQ(table.records[static_cast<std::size_t>(record - 1)], files.get(n, record))
                << length << " record " << record;
        }
        files.close(n);
    }
}

} // namespace
