#include "journal_fixture.h"
#include "support/sample_books.h"

using namespace folio::journal;

namespace {

using ClosedCopyLock = JournalFixture;

TEST_F(ClosedCopyLock, RefusesEntriesDatedInItsClosedPeriodAndKeepsItsFirstEntry) {
    start(serviceBooks());
    const QString copy = books + " closed monthly";
    ASSERT_TRUE(session.close("Monthly closing", copy, readAccounts(books), QDate(2026, 3, 31))
                    .succeeded());
    books = copy;
    reopen();
    EXPECT_EQ(session.periodLock().closedThrough, QDate(2026, 3, 31));
    EXPECT_EQ(session.periodLock().closedFromEntry, 1);

    const auto files = [&copy] {
        return fileBytes(copy) + fileBytes(folio::session::BooksSession::journalPathFor(copy));
    };
    for (const auto& [date, refused] : {std::pair{QDate(2026, 3, 31), true},
                                        {QDate(2025, 12, 1), true},
                                        {QDate(2026, 4, 1), false}}) {
        const QByteArray before = files();
        const auto result = session.post({date, "rent"}, {8, money("10"), Money()});
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
