#include "journal_fixture.h"
#include "support/sample_books.h"

using namespace folio::journal;

namespace {

using ClosedCopyLock = JournalFixture;

// A closed copy starts a journal of its own, keeps the company's values but its date, and
// is locked through the closing's date.
TEST_F(ClosedCopyLock, StartsItsOwnJournalKeepsTheCompanyAndRefusesItsClosedPeriod) {
    start(merchandisingBooks());
    session.company() = {"Kestrow Supply", "12/31/2026", folio::statements::Business::Merchandising,
                         std::nullopt};
    const QString from = books;
    const QString copy = books + " closed monthly";
    std::vector<AccountRecord> records = merchandisingBooks();
    records.resize(9);
    ASSERT_TRUE(session.close("Monthly closing", copy, records, QDate(2026, 3, 31)).succeeded());
    EXPECT_EQ(readAccounts(copy), records);
    EXPECT_EQ(store().entry(2)->kind, EntryKind::Closing);
    EXPECT_EQ(store().entry(2)->memo, "Monthly closing into " + copy);
    session.release(); // the values of the books closed are kept as they are left
    EXPECT_EQ(folio::session::BooksSession::storedCompanyValues(from).businessType, "Mdse");
    session.company() = {}; // what follows is read from the copy
    books = copy;
    reopen();
    EXPECT_FALSE(opened.started || opened.changedOutside);
    EXPECT_EQ(store().entry(1)->kind, EntryKind::ClosedFrom);
    EXPECT_TRUE(store().entry(1)->memo.startsWith("Monthly closing of " + from + " on "));
    EXPECT_EQ(session.company().name, "Kestrow Supply");
    EXPECT_EQ(session.company().date, "");
    EXPECT_EQ(session.periodLock().closedThrough, QDate(2026, 3, 31));
    EXPECT_EQ(session.periodLock().closedFromEntry, 1);

    const auto files = [&copy] {
        return fileBytes(copy) + fileBytes(folio::session::BooksSession::journalPathFor(copy));
    };
    for (const auto& [date, refused] : {std::pair{QDate(2026, 3, 31), true},
                                        {QDate(2025, 12, 1), true},
                                        {QDate(2026, 4, 1), false}}) {
        const QByteArray before = files();
        const auto result = session.post({date, "cash sale"}, {1, money("10"), Money()});
        EXPECT_EQ(result.refused.has_value(), refused) << date.toString().toStdString();
        if (refused) {
            EXPECT_EQ(files(), before);
            EXPECT_EQ(result.offered, QDate(2026, 4, 1));
            EXPECT_TRUE(result.refused->contains("closed through 3/31/2026"));
        }
    }
    // The entry that holds the books as closed is not reversed, and the copy is not reopened
    // here: its period belongs to the books it was closed from.
    const QByteArray before = files();
    EXPECT_TRUE(session.reverse(1, "wrong").refused.has_value());
    const auto reopened = session.reopen("a late invoice");
    ASSERT_TRUE(reopened.refused.has_value());
    EXPECT_TRUE(reopened.refused->contains("reopen the books it was closed from"));
    EXPECT_EQ(files(), before);
}

} // namespace
