#include "data/file_error.h"
#include "data/file_faults.h"
#include "journal_fixture.h"
#include "support/sample_books.h"
#include <functional>
#include <sqlite3.h>

using namespace folio::journal;

namespace {

using Journal = JournalFixture;

// (The first opening's entry is checked with the openings stopped part way.)
TEST_F(Journal, FinishesPendingChangesAndNoticesOutsideEdits) {
    start(serviceBooks());
    // Killed after the entry was committed, before the record was written.
    AccountRecord cash = serviceBooks()[0];
    cash.current = money("5250");
    Entry entry;
    entry.kind = EntryKind::Posting;
    entry.lines = {lineFor(1, serviceBooks()[0], cash, money("250"))};
    BooksShape shape{digestOfRecords(serviceBooks()).after(entry), store().undoState()};
    store().commit(entry, shape, 0);
    reopen();
    EXPECT_EQ(opened.finished, 1);
    EXPECT_FALSE(opened.changedOutside);
    EXPECT_EQ(readAccounts(books)[0], cash);

    writeAccounts(books, merchandisingBooks()); // changed by another program
    reopen();
    EXPECT_TRUE(opened.changedOutside);
    EXPECT_EQ(store().entry(store().lastSeq())->kind, EntryKind::Opening);
    EXPECT_FALSE(session.canUndo());
    reopen();
    EXPECT_FALSE(opened.changedOutside);
}

TEST_F(Journal, OneByteChangedOutsideFolioInLargeBooksIsNoticedAndFolioOwnChangesAreNot) {
    constexpr int kAccounts = 100000;
    std::vector<AccountRecord> chart(kAccounts, serviceBooks()[0]);
    start(chart);
    post(77777, "10");
    record(EntryKind::NewAccount, {{kAccounts + 2, AccountRecord::blank(), Money(), Money()}});
    session.deleteAccount(3, kAccounts + 2, chart[2].name);
    session.undo();
    reopen();
    EXPECT_FALSE(opened.changedOutside);

    QFile file(books);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(qint64{62} * 54321); // the first letter of a name, as another program might
    file.write("Z", 1);
    file.close();
    reopen();
    EXPECT_TRUE(opened.changedOutside);
}

TEST_F(Journal, AMarkThatFailsWhileTheJournalIsBusyLeavesCommitsSynced) {
    start(serviceBooks());
    sqlite3_busy_timeout(store().database().handle(), 1);
    Entry entry;
    entry.kind = EntryKind::Posting;
    entry.lines = {lineFor(1, serviceBooks()[0], serviceBooks()[1])};
    BooksShape shape{digestOfRecords(serviceBooks()).after(entry), store().undoState()};
    store().commit(entry, shape, 0);
    Database other; // another connection holds the journal's write lock
    other.open(folio::session::BooksSession::journalPathFor(books));
    other.exec("BEGIN IMMEDIATE");
    EXPECT_THROW(store().markApplied(entry.seq), FileError);
    other.exec("ROLLBACK");
    Statement level(store().database(), "PRAGMA synchronous");
    ASSERT_TRUE(level.step());
    EXPECT_EQ(level.integer(0), 2); // FULL
}

TEST_F(Journal, BalancedEntryFailingAtAnyFileStepLeavesEveryRecordAsItWas) {
    const std::vector<AmountLine> lines = {
        {1, money("100"), Money()}, {8, money("50"), Money()}, {3, Money(), money("150")}};
    long k = 1;
    for (bool fired = true; fired; ++k) {
        start(serviceBooks());
        const QByteArray before = fileBytes(books);
        FileFaults::failAt(k, 61);
        const auto result = session.postBalanced({QDate(2026, 12, 1), "rent and supplies"}, lines);
        const bool failed = result.failed.has_value();
        fired = FileFaults::operations() >= k;
        FileFaults::clear();
        EXPECT_EQ(failed, fired) << k;
        if (failed) {
            EXPECT_EQ(result.failed->number(), 61);
            EXPECT_EQ(fileBytes(books), before) << k;
            EXPECT_FALSE(result.tookEffect);
        }
        reopen();
        EXPECT_FALSE(opened.changedOutside) << k;
        EXPECT_EQ(opened.finished, 0) << k;
        EXPECT_EQ(session.canUndo(), !failed) << k;
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
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> change;
    };
    const std::vector<Case> cases = {
        {"posting", [] {}, [&] { post(2, "75.5"); }},
        {"balanced", [] {},
         [&] {
             session.postBalanced({}, {{1, money("9"), Money()}, {2, Money(), money("9")}});
         }},
        {"setup edit", [] {},
         [&] {
             record(EntryKind::SetupEdit, {{2, renamed, Money(), Money()}});
         }},
        {"new account", [] {},
         [&] {
             record(EntryKind::NewAccount, {{10, AccountRecord::blank(), Money(), Money()}});
         }},
        {"deletion", [] {},
         [&] { session.deleteAccount(3, static_cast<int>(chart.size()), chart[2].name); }},
        {"reversal", [&] { posted = post(1, "40"); },
         [&] { session.reverse(posted, "typed twice"); }},
    };
    for (const Case& each : cases) {
        start(chart);
        each.prepare();
        const QByteArray before = fileBytes(books);
        each.change();
        const std::int64_t changed = store().lastSeq();
        const QByteArray after = fileBytes(books);
        ASSERT_NE(after, before) << each.name;
        for (int round = 0; round < 2; ++round) {
            ASSERT_NE(session.undo().seq, 0) << each.name;
            EXPECT_EQ(fileBytes(books), before) << each.name;
            ASSERT_NE(session.redo().seq, 0) << each.name;
            EXPECT_EQ(fileBytes(books), after) << each.name;
        }
        session.undo();
        reopen();
        EXPECT_FALSE(opened.changedOutside) << each.name;
        EXPECT_EQ(fileBytes(books), before) << each.name;
        EXPECT_TRUE(session.canRedo()) << each.name;
        EXPECT_EQ(session.redoTitle(), kindTitle(store().entry(changed)->kind)) << each.name;
    }
}

// The session's posting is one side of one account: both amounts, or neither, is refused
// and nothing is recorded or written.
TEST_F(Journal, PostingBothSidesOrNeitherIsRefused) {
    start(serviceBooks());
    const AccountRecord before = readAccounts(books)[0];
    const std::int64_t last = store().lastSeq();
    for (const auto& [debit, credit] : {std::pair{"12000", "2000"}, std::pair{"0", "0"}}) {
        const folio::session::ChangeResult result =
            session.post({}, {1, money(debit), money(credit)});
        ASSERT_TRUE(result.refused) << debit << "/" << credit;
        EXPECT_TRUE(result.refused->contains("nothing was posted"));
        EXPECT_FALSE(result.tookEffect);
    }
    EXPECT_EQ(store().lastSeq(), last);
    EXPECT_EQ(readAccounts(books)[0].current, before.current);
}

TEST_F(Journal, ReversalNeedsAReasonAndAPostingStillInEffect) {
    start(serviceBooks());
    const std::int64_t posting = post(1, "300");
    const auto refusal = [&](std::int64_t seq, const QString& reason) {
        return session.reverse(seq, reason).refused.value_or(QString());
    };
    EXPECT_EQ(refusal(posting, "  "), "Give the reason for the reversal.");
    EXPECT_EQ(refusal(1, "why"), "Only a posting or a balanced entry can be reversed.");
    EXPECT_EQ(refusal(posting, "wrong account"), QString());
    EXPECT_EQ(readAccounts(books)[0].current, money("18250.75"));
    EXPECT_EQ(store().entry(posting + 1)->memo, "wrong account");
    EXPECT_EQ(refusal(posting, "again"), "Entry 2 was reversed already by entry 3.");

    // The entry whose effect stands is the one reversed, once: the original put back by
    // Redo, or the Redo itself; an entry taken back says so.
    const std::int64_t undone = post(2, "10");
    session.undo();
    EXPECT_EQ(refusal(undone, "why"), "Entry 4 was taken back with Undo.");
    const std::int64_t redone = session.redo().seq;
    EXPECT_EQ(refusal(redone, "typed twice"), QString());
    EXPECT_EQ(readAccounts(books)[1].current, money("600"));
    EXPECT_EQ(refusal(undone, "again"), "Entry 4 was reversed already by entry 7.");

    const std::int64_t gone = post(8, "10");
    session.deleteAccount(8, 8, serviceBooks()[7].name);
    EXPECT_EQ(refusal(gone, "why"), "The account Rent Expense is no longer in the books.");
}

TEST_F(Journal, ReverseFollowsTheRecordThroughLaterDeletionsAndInsertions) {
    start({account("Cash", "D1", "500"), account("Petty Cash", "D1", "50"),
           account("Cash", "D1", "200"), account("Sales", "C4", "0")});
    const std::int64_t posting = post(3, "100");
    const auto remove = [&](int record) {
        const std::vector<AccountRecord> held = readAccounts(books);
        ASSERT_TRUE(session
                        .deleteAccount(record, static_cast<int>(held.size()),
                                       held[static_cast<std::size_t>(record - 1)].name)
                        .succeeded());
    };
    remove(2);      // Petty Cash: the second Cash moves up to record 2
    remove(3);      // Sales
    session.undo(); // Sales comes back: an insertion after the second Cash
    record(EntryKind::NewAccount, {{4, account("Cash", "D1", "7"), Money(), Money()}});
    ASSERT_TRUE(session.reverse(posting, "wrong account").succeeded());
    const std::vector<AccountRecord> now = readAccounts(books);
    EXPECT_EQ(now[0].current, money("500"));
    EXPECT_EQ(now[1].current, money("200"));
    EXPECT_EQ(now[3].current, money("7"));
}

TEST_F(Journal, UndoAndRedoCarryTheDateOfTheirChangeAndRedoItsMemo) {
    start(serviceBooks());
    const std::int64_t posting =
        session.post({QDate(2026, 1, 15), "invoice 17"}, {1, money("25"), Money()}).seq;
    const std::int64_t undo = session.undo().seq;
    const std::int64_t redo = session.redo().seq;
    const std::int64_t undoOfRedo = session.undo().seq;
    for (const std::int64_t seq : {posting, undo, redo, undoOfRedo}) {
        EXPECT_EQ(store().entry(seq)->date, QDate(2026, 1, 15)) << seq;
    }
    EXPECT_EQ(store().entry(redo)->memo, "invoice 17");
    EXPECT_EQ(store().entry(undo)->memo, "Undo of entry 2");
}

} // namespace
