// Streamed whole-file work stopped by the user: the file and its folder stay as they were.
#include "data/file_rewrite.h"
#include "data/file_table.h"
#include "support/record_fixture.h"
#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(FileRewrite, StoppedDeleteOrSearchLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const QString books = dir.filePath("books.dat");
    const int count = folio::kChunkRecords * 2 + 5; // three chunks
    QByteArray before;
    for (int i = 0; i < count; ++i) {
        before += QByteArray(62, static_cast<char>('A' + i % 26));
    }
    writeBytes(books, before);
    int calls = 0;
    const auto stopAtSecond = [&](std::int64_t, std::int64_t) { return ++calls < 2; };
    EXPECT_FALSE(folio::rewriteWithout(books, count, 7, stopAtSecond));
    EXPECT_EQ(calls, 2);
    folio::FileTable files;
    files.open(1, books);
    int seen = 0;
    calls = 0;
    EXPECT_FALSE(files.scan(
        1, count, [&](int, const folio::AccountRecord&) { return ++seen; }, stopAtSecond));
    EXPECT_EQ(seen, 2 * folio::kChunkRecords);
    EXPECT_EQ(fileBytes(books), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"books.dat"});
}

} // namespace
