#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAction>
#include <QCheckBox>
#include <QTest>

using folio::journal::EntryKind;
using folio::ui::Tab;

namespace {

// Closed monthly (false) or yearly (true).
class CarryForward : public BooksFixture, public ::testing::WithParamInterface<bool> {
  protected:
    void trigger(const char* action) { find<QAction>(QLatin1String(action))->trigger(); }
    void postBalanced(const QDate& date, const char* memo, int debited, int credited,
                      const char* amount) {
        const auto result = window->journalMenu().postBalanced(
            {date, QString::fromLatin1(memo)},
            {{debited, money(amount), Money()}, {credited, Money(), money(amount)}});
        ASSERT_TRUE(result) << memo << ": " << dialogs.messages().join('\n').toStdString();
    }
};

TEST_P(CarryForward, AdjustedSalesReachTheClosedCopyBesideItsOwnPostings) {
    const bool yearly = GetParam();
    const QString books = openBooks(serviceBooks());
    window->company() = {"Kestrow Supply Co.", "1/31/2026", folio::statements::Business::Service,
                         std::nullopt};
    showTab(Tab::BalanceSheet);
    dialogs.yesNoAnswers.push_back(true);
    QTest::mouseClick(
        find<QCheckBox>(yearly ? QStringLiteral("chkYearly") : QStringLiteral("chkMonthly")),
        Qt::LeftButton);
    const QString copy = books + (yearly ? " closed ytd" : " closed monthly");
    selectFile(copy);
    postBalanced(QDate(2026, 2, 3), "supplies on account", 2, 3, "50"); // the copy's own
    const std::vector<AccountRecord> copyBefore = readAccounts(copy);

    selectFile(books);
    dialogs.inputAnswers.push_back(QStringLiteral("a late invoice"));
    trigger("mnuReopenPeriod");
    postBalanced(QDate(2026, 1, 30), "late invoice", 1, 6, "100");   // cash, fees earned
    postBalanced(QDate(2026, 1, 31), "January rent", 8, 1, "30.25"); // rent expense, cash
    const QByteArray adjusted = fileBytes(books);
    dialogs.reset();
    dialogs.yesNoAnswers.push_back(true);
    trigger("mnuCarryChanges");
    ASSERT_TRUE(window->session().periodLock().closedWhole)
        << dialogs.messages().join('\n').toStdString();
    EXPECT_EQ(fileBytes(books), adjusted);

    // By hand: net income grew by 69.75, which the closing moves into retained earnings; a
    // monthly closing keeps the year's sales and rent in their year-to-date column.
    std::vector<AccountRecord> expected = copyBefore;
    addTo(expected, 1, "69.75", "69.75");
    addTo(expected, 5, "69.75", yearly ? "69.75" : "0");
    if (!yearly) {
        addTo(expected, 6, "0", "100");
        addTo(expected, 8, "0", "30.25");
    }
    EXPECT_EQ(readAccounts(copy), expected);

    // One entry in the copy, dated the day after its closed period, saying where it came from.
    selectFile(copy);
    auto& store = window->session().journalStore();
    const auto entry = store.entry(store.lastSeq());
    EXPECT_EQ(entry->kind, EntryKind::Adjustment);
    EXPECT_EQ(entry->date, QDate(2026, 2, 1));
    EXPECT_EQ(entry->memo,
              "Prior-period adjustment from " + books + ", reopened because a late invoice");
    // Nothing left to carry: the books are closed again, and refuse a second carrying.
    selectFile(books);
    const QByteArray copyNow = fileBytes(copy);
    dialogs.yesNoAnswers.push_back(true);
    trigger("mnuCarryChanges");
    EXPECT_EQ(fileBytes(copy), copyNow);
}

INSTANTIATE_TEST_SUITE_P(Closings, CarryForward, ::testing::Values(false, true));

} // namespace
