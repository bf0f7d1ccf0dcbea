// Streamed whole-file work stopped by the user: the file and its folder stay as they were.
#include "data/file_rewrite.h"
#include "data/file_table.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FileRewrite, StoppedDeleteOrSearchLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const QString books = dir.filePath("books.dat");
    const int count = folio::kChunkRecords * 2 + 5; // three chunks
    {
        QFile file(books);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < count; ++i) {
            file.write(QByteArray(62, static_cast<char>('A' + i % 26)));
        }
    }
    const QByteArray before = [&] {
        QFile file(books);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
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
    QFile file(books);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"books.dat"});
}

} // namespace
