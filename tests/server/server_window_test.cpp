#include "server_database.h"
#include "support/books_fixture.h"
#include "support/run_folio.h"
#include "support/sample_books.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using folio::server::ServerBooks;
using folio::ui::Tab;

namespace {

// The window on books kept on the private cluster, made by the supervisor sam from the
// service corporation's chart (current debits $22,700.00).
class ServerWindow : public BooksFixture, public ServerDatabase {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        makeBooks("window");
    }
    std::int64_t cashOnServer() const { return recordsOf("books")[0].current.raw(); }
    // Closes the books monthly as sam, with the company's statements dated 1/31/2026, into
    // the set of books "books closed monthly", and shows that one.
    void closeOnServer() {
        ASSERT_TRUE(window->selectBooks(address("sam")));
        setCompany(folio::statements::Business::Service, std::nullopt, "1/31/2026");
        closeMonthly();
        ASSERT_TRUE(window->selectBooks(address("sam", kCopy)));
    }
    void postBalanced(const QDate& date, const char* memo, int debited, int credited,
                      const char* amount) {
        ASSERT_TRUE(window->journalMenu().postBalanced(
            {date, QString::fromLatin1(memo)},
            {{debited, money(amount), Money()}, {credited, Money(), money(amount)}}))
            << memo << ": " << dialogs.messages().join('\n').toStdString();
    }
    std::vector<AccountRecord> recordsOf(const QString& books) const {
        return ServerBooks(as("sam", books)).records();
    }
    static inline const QString kCopy = "books closed monthly";
};

TEST_F(ServerWindow, PostsToTheServerAndFollowsOtherClients) {
    ASSERT_TRUE(window->selectBooks(address("alice")));
    EXPECT_TRUE(find<QLabel>("lblSelectedFile")->text().contains(database));
    postOnTab(0, "100");
    EXPECT_EQ(cashOnServer(), money("18350.75").raw());
    EXPECT_EQ(count("folio_entries WHERE made_by = 'alice'"), 1);
    showTab(Tab::TrialBalance);
    EXPECT_TRUE(text("txtDebit").contains("22,800.00"));

    // Another client posts; the shown statement follows without a click.
    ServerBooks(as("sam")).post(folio::journal::EntryKind::Posting, QDate(2026, 2, 1), "supplies",
                                {{2, money("50"), Money()}});
    EXPECT_TRUE(QTest::qWaitFor([this] { return text("txtDebit").contains("22,850.00"); }, 10000));
    // A posting made on the books as they stood before is made again on the server's.
    postOnTab(0, "1");
    EXPECT_EQ(cashOnServer(), money("18351.75").raw());
    EXPECT_EQ(readAccounts(window->books().path()), recordsOf("books"));
    EXPECT_EQ(count("folio_entries"), 4);
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('\n').toStdString();

    // A second window, the supervisor's: its change reaches the first, whose Undo then takes
    // back only its own user's changes.
    showTab(Tab::TrialBalance);
    FakeDialogs samDialogs;
    folio::app::MainWindow sam(samDialogs);
    ASSERT_TRUE(sam.selectBooks(address("sam")));
    EXPECT_TRUE(
        sam.session().post({QDate(2026, 2, 2), "rent"}, {8, money("10"), Money()}).succeeded());
    EXPECT_TRUE(QTest::qWaitFor([this] { return text("txtDebit").contains("22,861.00"); }, 10000));
    find<QAction>("mnuUndo")->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains("was made by sam"));
    EXPECT_EQ(count("folio_entries"), 5);
}

TEST_F(ServerWindow, OnlyASupervisorClosesAndLocks) {
    setCompany(folio::statements::Business::Service);
    ASSERT_TRUE(window->selectBooks(address("alice")));
    const auto entries = count("folio_entries");
    closeMonthly();
    dialogs.inputAnswers.push_back("1/31/2026");
    find<QAction>("mnuLockBooks")->trigger();
    // The closing's question, then one refusal each.
    const QStringList told = dialogs.messages();
    ASSERT_EQ(told.size(), 3) << told.join('\n').toStdString();
    EXPECT_EQ(told.filter("only a supervisor closes, locks or reopens").size(), 2);
    EXPECT_EQ(count("folio_entries"), entries);
    EXPECT_EQ(count("folio_books"), 1);
    EXPECT_EQ(count("folio_lock_dates"), 0);
    EXPECT_FALSE(window->session().periodLock().lockedThrough);

    dialogs.reset();
    ASSERT_TRUE(window->selectBooks(address("sam")));
    dialogs.inputAnswers.push_back("1/31/2026");
    find<QAction>("mnuLockBooks")->trigger();
    EXPECT_EQ(count("folio_lock_dates WHERE through = '2026-01-31'"), 1);
    closeMonthly();
    EXPECT_TRUE(dialogs.messages().filter("supervisor").isEmpty());
    EXPECT_EQ(count("folio_books WHERE name = 'books closed monthly'"), 1);
    EXPECT_EQ(count("folio_entries WHERE kind = 'closing'"), 1);
    // Named by its address, never by the working copy's folder.
    EXPECT_FALSE(dialogs.messages().join('\n').contains("folio-server-"));
    EXPECT_TRUE(dialogs.messages().join('\n').contains(address("sam", "books closed monthly")));
    // The closed copy opens as server books of its own.
    ASSERT_TRUE(window->selectBooks(address("sam", "books closed monthly")));
}

TEST_F(ServerWindow, AServerThatCannotBeUsedIsSaidSoAndTheBooksStay) {
    const QString books = openBooks(serviceBooks());
    const struct {
        QString address;
        const char* words;
    } cases[] = {
        {"postgresql://sam@/nowhere?host=/nonexistent", "cannot reach"},
        {address("sam", "other"), "no books named"},
        {cluster.booksAddress("postgres", "books", "sam"), "holds no Folio books yet"},
    };
    for (const auto& c : cases) {
        dialogs.reset();
        EXPECT_FALSE(window->selectBooks(c.address));
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages()[0].contains(QLatin1String(c.words)))
            << dialogs.messages()[0].toStdString();
        EXPECT_EQ(window->books().path(), books);
    }
    // From server books back to a file: the file's books take the posting, not the server.
    ASSERT_TRUE(window->selectBooks(address("sam")));
    const auto entries = count("folio_entries");
    selectFile(books);
    EXPECT_TRUE(find<QLabel>("lblSelectedFile")->text().endsWith(books));
    postOnTab(0, "5");
    EXPECT_EQ(count("folio_entries"), entries);
    EXPECT_EQ(window->books().get(1).current.raw(), money("18255.75").raw());
}

// A reopened period's changes reach the closed copy, another set of books of the same
// database, in the transaction that closes the books again.
TEST_F(ServerWindow, CarriesReopenedChangesIntoTheClosedCopyOnTheServer) {
    closeOnServer();
    postBalanced(QDate(2026, 2, 3), "supplies on account", 2, 3, "50"); // the copy's own
    const std::vector<AccountRecord> copyBefore = recordsOf(kCopy);
    ASSERT_TRUE(window->selectBooks(address("sam")));
    dialogs.inputAnswers.push_back("a late invoice");
    find<QAction>("mnuReopenPeriod")->trigger();
    postBalanced(QDate(2026, 1, 30), "late invoice", 1, 6, "100");   // cash, fees earned
    postBalanced(QDate(2026, 1, 31), "January rent", 8, 1, "30.25"); // rent expense, cash
    dialogs.reset();
    dialogs.yesNoAnswers.push_back(true);
    find<QAction>("mnuCarryChanges")->trigger();
    ASSERT_TRUE(window->session().periodLock().closedWhole)
        << dialogs.messages().join('\n').toStdString();
    EXPECT_TRUE(dialogs.messages().join('\n').contains(address("sam", kCopy)));

    // By hand: net income grew by 69.75, which the closing moves into retained earnings; the
    // year's fees and rent stay in their year-to-date column.
    std::vector<AccountRecord> expected = copyBefore;
    addTo(expected, 1, "69.75", "69.75");
    addTo(expected, 5, "69.75", "0");
    addTo(expected, 6, "0", "100");
    addTo(expected, 8, "0", "30.25");
    EXPECT_EQ(recordsOf(kCopy), expected);
    EXPECT_EQ(valueOf<std::string>(
                  "SELECT e.date || ' ' || e.memo FROM folio_entries e JOIN folio_books b ON "
                  "b.id = e.books WHERE b.name = 'books closed monthly' AND e.kind = "
                  "'adjustment'"),
              ("2026-02-01 Prior-period adjustment from " + address("sam") +
               ", reopened because a late invoice")
                  .toStdString());
    EXPECT_EQ(count("folio_entries e JOIN folio_books b ON b.id = e.books "
                    "WHERE b.name = 'books' AND e.kind = 'closing'"),
              2);
}

// The prior period of a closed copy on a server is the set of books it was closed from; the
// earlier periods of a closed copy of a closed copy lead back through both, and another
// closed copy is chosen from a list of the books closed in the same database.
TEST_F(ServerWindow, FollowsTheClosedCopiesBackAndListsTheOthersClosed) {
    closeOnServer();
    postBalanced(QDate(2026, 2, 3), "fees", 1, 6, "50");
    showTab(Tab::BalanceSheet);
    auto* compare = find<QCheckBox>("chkCompare");
    QTest::mouseClick(compare, Qt::LeftButton);
    EXPECT_TRUE(
        find<QLabel>("lblPriorSource")->text().startsWith("Prior period: books as closed on"));
    auto* grid = find<QTableWidget>("grdComparative");
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        rows << grid->item(row, 0)->text().trimmed() + u'=' + grid->item(row, 1)->text() + u'|' +
                    grid->item(row, 2)->text();
    }
    EXPECT_TRUE(rows.contains("Cash=$18,300.75|$18,250.75")) << rows.join(u'\n').toStdString();
    QTest::mouseClick(compare, Qt::LeftButton);

    setCompany(folio::statements::Business::Service, std::nullopt, "2/28/2026");
    closeMonthly();
    ASSERT_TRUE(window->selectBooks(address("sam", kCopy + " closed monthly")));
    showTab(Tab::BalanceSheet);
    QTest::mouseClick(compare, Qt::LeftButton);
    auto* books = find<QComboBox>("cboPriorBooks");
    ASSERT_EQ(books->count(), 3); // the period before, the one before it, another
    EXPECT_EQ(books->itemText(1), "books");
    dialogs.choices.push_back(0);
    books->setCurrentIndex(books->count() - 1);
    emit books->activated(books->count() - 1);
    EXPECT_EQ(dialogs.listed, QStringList({"books", kCopy}));
    EXPECT_EQ(dialogs.last()->text, "&Books closed before:");
    EXPECT_EQ(books->count(), 3);
    EXPECT_EQ(books->itemData(1, Qt::ToolTipRole).toString(), address("sam", "books"));
    const QString source = find<QLabel>("lblPriorSource")->text();
    EXPECT_TRUE(source.startsWith("Prior period: books as closed on")) << source.toStdString();

    // The export from the command line finds the same books.
    for (const auto& [options, prior] :
         {std::pair{QStringList{"--compare"}, "Prior period: books closed monthly as closed"},
          std::pair{QStringList{"--compare-with", "books"}, "Prior period: books as closed"}}) {
        const Ran ran = runFolio(QStringList{"--export", "balance-sheet",
                                             address("alice", kCopy + " closed monthly"),
                                             path(options[0] + ".csv")} +
                                 options);
        EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString();
        EXPECT_TRUE(fileBytes(path(options[0] + ".csv")).contains(prior)) << prior;
    }
}

} // namespace
