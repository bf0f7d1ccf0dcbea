#include "journal/books_verifier.h"
#include "journal_fixture.h"
#include "support/sample_books.h"

using namespace folio::journal;

namespace {

using Deletion = JournalFixture;

// The books with record `record` removed.
std::vector<AccountRecord> without(std::vector<AccountRecord> records, int record) {
    records.erase(records.begin() + (record - 1));
    return records;
}

// Its Undo and Redo are checked with those of every other kind of change.
TEST_F(Deletion, TheEntryHoldsOnlyTheRemovedRecordAndWhereItWas) {
    const std::vector<AccountRecord> chart = serviceBooks();
    start(chart);
    ASSERT_TRUE(
        session.deleteAccount(3, static_cast<int>(chart.size()), chart[2].name).succeeded());
    const Entry deletion = *store().entry(store().lastSeq());
    ASSERT_EQ(deletion.lines.size(), 1U);
    EXPECT_EQ(deletion.lines[0].record, 3);
    EXPECT_EQ(deletion.lines[0].before, chart[2]);
    EXPECT_FALSE(deletion.lines[0].after);
    EXPECT_EQ(deletion.memo, "Deleted " + chart[2].name);
    EXPECT_TRUE(deletion.lines[0].moves);
    EXPECT_EQ(readAccounts(books), without(chart, 3));
    reopen();
    EXPECT_FALSE(opened.changedOutside);
    EXPECT_TRUE(verifyBooks(books).held) << qPrintable(verifyBooks(books).problem);
}

// Killed after the deletion was committed: before the new file took the books' place it is
// finished, after it the entry is only marked applied (no second record goes).
TEST_F(Deletion, APendingDeletionIsFinishedOnceWhereverTheCrashCame) {
    const std::vector<AccountRecord> chart = serviceBooks();
    for (const bool renamed : {false, true}) {
        start(chart);
        Entry entry;
        entry.kind = EntryKind::Deletion;
        entry.lines = {lineFor(2, chart[1], std::nullopt)};
        entry.lines[0].moves = true;
        BooksShape shape{digestOfRecords(without(chart, 2)), store().undoState()};
        store().commit(entry, shape, 0, false, digestOfRecords(chart));
        if (renamed) {
            writeAccounts(books, without(chart, 2));
        }
        reopen();
        EXPECT_EQ(opened.finished, 1) << renamed;
        EXPECT_FALSE(opened.changedOutside) << renamed;
        EXPECT_EQ(readAccounts(books), without(chart, 2)) << renamed;
    }
}

// Journals of older Folios hold a deletion as the image before and after of every record
// that moved up; such an entry still undoes and redoes, and a pending one is finished.
TEST_F(Deletion, AnOlderJournalsWholeImageDeletionStillUndoesRedoesAndFinishes) {
    const std::vector<AccountRecord> chart = serviceBooks();
    start(chart);
    const QByteArray before = fileBytes(books);
    const auto changes = BooksJournal::wholeFile(before, without(chart, 4));
    ASSERT_NE(record(EntryKind::Deletion, changes), 0);
    EXPECT_GT(store().entry(store().lastSeq())->lines.size(), 1U);
    const QByteArray after = fileBytes(books);
    EXPECT_EQ(readAccounts(books), without(chart, 4));
    ASSERT_TRUE(session.undo().succeeded());
    EXPECT_EQ(fileBytes(books), before);
    ASSERT_TRUE(session.redo().succeeded());
    EXPECT_EQ(fileBytes(books), after);

    start(chart);
    Entry pending;
    pending.kind = EntryKind::Deletion;
    for (const Change& change : changes) {
        if (change.after != chart[static_cast<std::size_t>(change.record - 1)]) {
            pending.lines.push_back(lineFor(
                change.record, chart[static_cast<std::size_t>(change.record - 1)], change.after));
        }
    }
    BooksShape shape{digestOfRecords(chart).after(pending), store().undoState()};
    store().commit(pending, shape, 0, false, digestOfRecords(chart));
    reopen();
    EXPECT_EQ(opened.finished, 1);
    EXPECT_EQ(fileBytes(books), after);
}

} // namespace
