#include "data/file_error.h"
#include "data/file_faults.h"
#include "journal_fixture.h"
#include "support/sample_books.h"
#include <functional>

using namespace folio::journal;

namespace {

using Journal = JournalFixture;

TEST_F(Journal, StartsWithOpeningBalancesFinishesPendingChangesAndNoticesOutsideEdits) {
    start(serviceBooks());
    EXPECT_TRUE(opened.started);
    const auto opening = journal.store().entry(1);
    ASSERT_TRUE(opening);
    EXPECT_EQ(opening->kind, EntryKind::Opening);
    EXPECT_EQ(opening->lines.size(), serviceBooks().size());
    reopen();
    EXPECT_FALSE(opened.started || opened.changedOutside);

    // Killed after the entry was committed, before the record was written.
    AccountRecord cash = serviceBooks()[0];
    cash.current = money("5250");
    Entry entry;
    entry.kind = EntryKind::Posting;
    entry.lines = {lineFor(1, serviceBooks()[0], cash, money("250"))};
    BooksShape shape{applied(fileBytes(books), entry), journal.store().undoState()};
    journal.store().commit(entry, shape, 0);
    reopen();
    EXPECT_EQ(opened.finished, 1);
    EXPECT_FALSE(opened.changedOutside);
    EXPECT_EQ(readAccounts(books)[0], cash);

    writeAccounts(books, merchandisingBooks()); // changed by another program
    reopen();
    EXPECT_TRUE(opened.changedOutside);
    EXPECT_EQ(journal.store().entry(journal.store().entryCount())->kind, EntryKind::Opening);
    EXPECT_FALSE(journal.canUndo());
    reopen();
    EXPECT_FALSE(opened.changedOutside);
}

TEST_F(Journal, BalancedEntryFailingAtAnyFileStepLeavesEveryRecordAsItWas) {
    const std::vector<AmountLine> lines = {
        {1, money("100"), Money()}, {8, money("50"), Money()}, {3, Money(), money("150")}};
    long k = 1;
    for (bool fired = true; fired; ++k) {
        start(serviceBooks());
        const QByteArray before = fileBytes(books);
        FileFaults::failAt(k, 61);
        bool failed = false;
        try {
            journal.postBalanced(file(), {QDate(2026, 12, 1), "rent and supplies"}, lines);
        } catch (const FileError& error) {
            failed = true;
            EXPECT_EQ(error.number(), 61);
        }
        fired = FileFaults::operations() >= k;
        FileFaults::clear();
        EXPECT_EQ(failed, fired) << k;
        if (failed) {
            EXPECT_EQ(fileBytes(books), before) << k;
            EXPECT_FALSE(journal.tookEffect());
        }
        reopen();
        EXPECT_FALSE(opened.changedOutside) << k;
        EXPECT_EQ(opened.finished, 0) << k;
        EXPECT_EQ(journal.canUndo(), !failed) << k;
    }
    EXPECT_GT(k, 8); // the second record's write was among the failures
    EXPECT_EQ(readAccounts(books)[0].current, money("18350.75"));
    EXPECT_EQ(readAccounts(books)[2].current, money("1350"));
}

TEST_F(Journal, UndoThenRedoOfEachKindOfChangeIsByteForByte) {
    const std::vector<AccountRecord> chart = serviceBooks();
    AccountRecord renamed = chart[1];
    renamed.name = "Receivables";
    renamed.current = money("1300");
    std::int64_t posted = 0;
    const auto change = [&](EntryKind kind, std::vector<Change> changes) {
        journal.record(file(), kind, {}, changes);
    };
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> change;
    };
    const std::vector<Case> cases = {
        {"posting", [] {}, [&] { post(2, "75.5"); }},
        {"balanced", [] {},
         [&] {
             journal.postBalanced(file(), {}, {{1, money("9"), Money()}, {2, Money(), money("9")}});
         }},
        {"setup edit", [] {},
         [&] {
             change(EntryKind::SetupEdit, {{2, renamed, Money(), Money()}});
         }},
        {"new account", [] {},
         [&] {
             change(EntryKind::NewAccount, {{10, AccountRecord::blank(), Money(), Money()}});
         }},
        {"deletion", [] {},
         [&] {
             std::vector<AccountRecord> kept = chart;
             kept.erase(kept.begin() + 2);
             change(EntryKind::Deletion, BooksJournal::wholeFile(fileBytes(books), kept));
         }},
        {"reversal", [&] { posted = post(1, "40"); },
         [&] { journal.reverse(file(), posted, "typed twice"); }},
    };
    for (const Case& each : cases) {
        start(chart);
        each.prepare();
        const QByteArray before = fileBytes(books);
        each.change();
        const std::int64_t changed = journal.store().entryCount();
        const QByteArray after = fileBytes(books);
        ASSERT_NE(after, before) << each.name;
        for (int round = 0; round < 2; ++round) {
            ASSERT_NE(journal.undo(file()), 0) << each.name;
            EXPECT_EQ(fileBytes(books), before) << each.name;
            ASSERT_NE(journal.redo(file()), 0) << each.name;
            EXPECT_EQ(fileBytes(books), after) << each.name;
        }
        journal.undo(file());
        reopen();
        EXPECT_FALSE(opened.changedOutside) << each.name;
        EXPECT_EQ(fileBytes(books), before) << each.name;
        EXPECT_TRUE(journal.canRedo()) << each.name;
        EXPECT_EQ(journal.redoTitle(), kindTitle(journal.store().entry(changed)->kind))
            << each.name;
    }
}

TEST_F(Journal, ReversalNeedsAReasonAndAPostingStillInEffect) {
    start(serviceBooks());
    const std::int64_t posting = post(1, "300");
    const auto refusal = [&](std::int64_t seq, const QString& reason) {
        try {
            journal.reverse(file(), seq, reason);
        } catch (const Refused& refused) {
            return refused.words();
        }
        return QString();
    };
    EXPECT_EQ(refusal(posting, "  "), "Give the reason for the reversal.");
    EXPECT_EQ(refusal(1, "why"), "Only a posting or a balanced entry can be reversed.");
    EXPECT_EQ(refusal(posting, "wrong account"), QString());
    EXPECT_EQ(readAccounts(books)[0].current, money("18250.75"));
    EXPECT_EQ(journal.store().entry(posting + 1)->memo, "wrong account");
    EXPECT_EQ(refusal(posting, "again"), "Entry 2 was reversed already by entry 3.");

    const std::int64_t undone = post(2, "10");
    journal.undo(file());
    EXPECT_EQ(refusal(undone, "why"), "Entry 4 was taken back with Undo.");

    const std::int64_t gone = post(8, "10");
    std::vector<AccountRecord> kept = serviceBooks();
    kept.pop_back();
    journal.record(file(), EntryKind::Deletion, {},
                   BooksJournal::wholeFile(fileBytes(books), kept));
    EXPECT_EQ(refusal(gone, "why"), "The account Rent Expense is no longer in the books.");
}

TEST_F(Journal, ClosedCopyStartsItsOwnJournalAndCompanyValuesAreKept) {
    start(merchandisingBooks());
    journal.setCompanyValues({"Kestrow Supply", "12/31/2026", "Mdse"});
    const QString closed = books + " closed monthly";
    std::vector<AccountRecord> records = merchandisingBooks();
    records.resize(9);
    const QDateTime made = QDateTime::currentDateTimeUtc();
    const std::int64_t closing = journal.beginClosing("Monthly closing", closed, made);
    BooksJournal::writeClosedCopy(closed, books, "Monthly closing", records,
                                  journal.companyValues(), made);
    journal.endClosing(closing, true);
    EXPECT_EQ(readAccounts(closed), records);

    FileTable copyFiles;
    copyFiles.open(1, closed);
    BooksJournal copy;
    const auto copyOpened = copy.open({copyFiles, 1, closed});
    EXPECT_FALSE(copyOpened.started || copyOpened.changedOutside);
    const auto first = copy.store().entry(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->kind, EntryKind::ClosedFrom);
    EXPECT_TRUE(first->memo.startsWith("Monthly closing of " + books + " on "));
    EXPECT_EQ(copy.companyValues().name, "Kestrow Supply");
    EXPECT_EQ(copy.companyValues().statementsDate, "");

    reopen();
    EXPECT_EQ(journal.companyValues().businessType, "Mdse");
    EXPECT_EQ(journal.store().entry(2)->kind, EntryKind::Closing);
}

} // namespace
