#include "journal_fixture.h"
#include "support/sample_books.h"
#include <QDir>

using namespace folio::journal;

namespace {

using FirstOpening = JournalFixture;

// Books of more records than one chunk of reading, so that the opening can be stopped part
// way through its entry.
std::vector<AccountRecord> manyAccounts() {
    std::vector<AccountRecord> chart(40000, serviceBooks()[1]);
    chart[0] = serviceBooks()[0];
    return chart;
}

QStringList besideBooks(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Stopped part way, the opening leaves no journal it made and the one it found as it was;
// the books, as they were, are selected without a journal, and the next opening makes the
// whole entry.
TEST_F(FirstOpening, StoppedPartWayLeavesTheJournalsAsFound) {
    for (const bool journalBefore : {false, true}) {
        SCOPED_TRACE(journalBefore ? "books changed outside Folio" : "books without a journal");
        start(serviceBooks());
        session.release();
        writeAccounts(books, manyAccounts());
        if (!journalBefore) {
            QFile::remove(folio::session::BooksSession::journalPathFor(books));
        }
        const QStringList files = besideBooks(dir);
        int calls = 0;
        session.books().select(books);
        const auto notices =
            session.openJournal([&calls](std::int64_t, std::int64_t) { return ++calls < 2; });
        EXPECT_EQ(calls, 2);
        EXPECT_FALSE(session.hasJournal());
        ASSERT_EQ(notices.size(), 1U);
        EXPECT_TRUE(notices[0].text.contains(QStringLiteral("you cancelled it")));
        EXPECT_EQ(besideBooks(dir), files);
        EXPECT_EQ(readAccounts(books), manyAccounts());

        reopen();
        ASSERT_TRUE(session.hasJournal());
        EXPECT_EQ(journalBefore, opened.changedOutside);
        EXPECT_EQ(!journalBefore, opened.started);
        EXPECT_EQ(store().entry(store().lastSeq())->lines.size(), manyAccounts().size());
        reopen();
        EXPECT_FALSE(opened.changedOutside || opened.started);
    }
}

// The opening entry, written as the file is read, is what Undo goes back to, and a file
// whose last record is cut short is taken as Folio reads it.
TEST_F(FirstOpening, UndoGoesBackToTheBooksAsOpened) {
    start(manyAccounts());
    QFile file(books);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("Cut sh", 6);
    file.close();
    reopen();
    EXPECT_TRUE(opened.changedOutside);
    reopen();
    EXPECT_FALSE(opened.changedOutside);
    const QByteArray opening = readImage(folio::journal::booksFile(session.books()));
    post(30000, "12.50");
    ASSERT_TRUE(session.undo().tookEffect);
    EXPECT_EQ(readImage(folio::journal::booksFile(session.books())), opening);
    EXPECT_FALSE(session.undo().tookEffect); // nothing past the opening
    reopen();
    EXPECT_FALSE(opened.changedOutside);
}

// A first opening builds the journal beside its place; what one stopped part way left there
// is built over by the next.
TEST_F(FirstOpening, WhatAnOpeningStoppedPartWayLeftIsBuiltOver) {
    start(serviceBooks());
    session.release();
    const QString journal = folio::session::BooksSession::journalPathFor(books);
    QFile::remove(journal);
    writeBytes(journal + ".TMP", "SQLite format 3");
    reopen();
    ASSERT_TRUE(session.hasJournal());
    EXPECT_TRUE(opened.started);
    EXPECT_FALSE(QFile::exists(journal + ".TMP"));
    EXPECT_EQ(store().entry(1)->lines.size(), serviceBooks().size());
}

} // namespace
