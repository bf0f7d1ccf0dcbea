#include "journal/books_verifier.h"
#include "journal/entry_chain.h"
#include "journal_fixture.h"
#include "support/sample_books.h"

using namespace folio::journal;

namespace {

class JournalChain : public JournalFixture {
  protected:
    // Books with a few kinds of entries: postings, a balanced entry, an undo, a new account.
    void keepBooks() {
        start(serviceBooks());
        post(1, "250");
        session.postBalanced({QDate(2026, 12, 2), "wages"},
                             {{1, money("100"), Money()}, {3, Money(), money("100")}});
        post(3, "0", "40");
        session.undo();
        record(EntryKind::NewAccount, {{static_cast<int>(serviceBooks().size()) + 1,
                                        account("Petty Cash", "D1", "0"),
                                        {},
                                        {}}});
    }
    // Changes the journal as someone with the sqlite3 tool would, behind Folio's back.
    void tamper(const char* sql) {
        session.release();
        Database db;
        db.open(folio::session::BooksSession::journalPathFor(books));
        db.exec(sql);
    }
};

TEST_F(JournalChain, EveryEntryIsSealedToTheOneBeforeAndNamesItsUser) {
    keepBooks();
    QByteArray previous;
    for (std::int64_t seq = 1; seq <= store().lastSeq(); ++seq) {
        const Entry entry = *store().entry(seq);
        EXPECT_EQ(entry.user, loginName());
        previous = chainedHash(previous, entry);
        EXPECT_EQ(entry.hash, previous) << "entry " << seq;
    }
    EXPECT_FALSE(loginName().isEmpty());
    const Verification clean = verifyBooks(books);
    EXPECT_TRUE(clean.held) << clean.problem.toStdString();
    EXPECT_EQ(clean.entries, store().lastSeq());
    EXPECT_EQ(verificationReport(books, clean),
              QStringLiteral("verified: %1 entries\n").arg(clean.entries));
}

TEST_F(JournalChain, VerifyNamesTheFirstEntryThatDoesNotHold) {
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/tampered_journals.txt")) {
        keepBooks();
        tamper(qPrintable(c[1]));
        const Verification found = verifyBooks(books);
        EXPECT_FALSE(found.held) << c[0].toStdString();
        EXPECT_TRUE(found.problem.startsWith(c[2]))
            << c[0].toStdString() << ": " << found.problem.toStdString();
    }
}

TEST_F(JournalChain, VerifyFindsBooksChangedOutsideFolio) {
    keepBooks();
    session.release();
    std::vector<AccountRecord> records = readAccounts(books);
    records[1].current = money("1");
    writeAccounts(books, records);
    const Verification found = verifyBooks(books);
    EXPECT_FALSE(found.held);
    EXPECT_EQ(found.problem, QStringLiteral("the books file differs from the journal at record 2 "
                                            "(after entry 6): it was changed outside Folio"));
    // Opening them in Folio records the change as new opening balances: the trail holds.
    reopen();
    EXPECT_TRUE(opened.changedOutside);
    EXPECT_TRUE(verifyBooks(books).held);
}

TEST_F(JournalChain, JournalWithoutHashesIsSealedOnceOnFirstOpen) {
    keepBooks();
    const std::int64_t entries = store().lastSeq();
    tamper("ALTER TABLE entries DROP COLUMN hash; ALTER TABLE entries DROP COLUMN user; "
           "DELETE FROM books WHERE key IN ('head', 'head_seq')");
    EXPECT_TRUE(verifyBooks(books).problem.contains(QLatin1String("no hashes")));
    reopen();
    EXPECT_TRUE(store().chainStarted());
    EXPECT_EQ(store().entry(2)->user, QString());
    post(1, "5");
    EXPECT_EQ(store().entry(entries + 1)->user, loginName());
    reopen();
    EXPECT_FALSE(store().chainStarted());
    const Verification held = verifyBooks(books);
    EXPECT_TRUE(held.held) << held.problem.toStdString();
    EXPECT_EQ(held.entries, entries + 1);
}

} // namespace
