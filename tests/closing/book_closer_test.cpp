#include "data/company_values.h"
#include "data/file_faults.h"
#include "support/books_fixture.h"
#include <QCheckBox>
#include <QFile>
#include <QTabWidget>

namespace {

// The month-end books: five accounts and the blank record a posting leaves.
std::vector<AccountRecord> monthEnd() {
    return {account("Cash", "D1", "5000", "20000"),
            account("Sales", "C4", "3000", "12000"),
            account("Rent", "D6", "1000", "4000"),
            account("Retained Earnings", "C3", "7000", "21000"),
            account("Merchandise Inventory", "D1I", "1200", "800"),
            AccountRecord::blank()};
}

class BookCloserTest : public BooksFixture {
  protected:
    // Selects the books and shows the balance sheet with the equity figures on screen.
    QString prepare(const std::vector<AccountRecord>& records,
                    const QString& name = QStringLiteral("books.dat")) {
        const QString file = openBooks(records, name);
        window->books().EndingInventory = QStringLiteral("1500");
        setText("txtEndCap", "$9,000.00");
        setText("txtYtdEndCap", "$30,000.00");
        showTab(6);
        dialogs.reset();
        return file;
    }
    void close(const char* box) { find<QCheckBox>(box)->click(); }
    bool tabsHidden() const {
        return !window->tabControl()->isVisible() && window->tabControl()->currentIndex() == 2;
    }
};

TEST_F(BookCloserTest, MonthlyAndYearlyCloseTheExampleBooks) {
    const struct {
        const char* box;
        const char* suffix;
        std::vector<AccountRecord> want;
    } cases[] = {
        {"chkMonthly",
         " closed monthly",
         {account("Cash", "D1", "5000", "20000"), account("Sales", "C4", "0", "12000"),
          account("Rent", "D6", "0", "4000"), account("Retained Earnings", "C3", "9000", "21000"),
          account("Merchandise Inventory", "D1I", "1500", "800")}},
        {"chkYearly",
         " closed ytd",
         {account("Cash", "D1", "5000", "20000"), account("Sales", "C4", "0", "0"),
          account("Rent", "D6", "0", "0"), account("Retained Earnings", "C3", "9000", "30000"),
          account("Merchandise Inventory", "D1I", "1500", "1500")}},
    };
    for (const auto& c : cases) {
        const QString file = prepare(monthEnd());
        const QByteArray before = fileBytes(file);
        close(c.box);
        const QString closed = file + QString::fromLatin1(c.suffix);
        EXPECT_EQ(readAccounts(closed), c.want) << c.box;
        EXPECT_EQ(QFile(closed).size(), 5 * 62) << c.box;
        EXPECT_EQ(fileBytes(file), before) << c.box;
        EXPECT_FALSE(QFile::exists(closed + ".TMP")) << c.box;
        EXPECT_TRUE(tabsHidden()) << c.box;
        EXPECT_EQ(window->books().RecordCount, 0);
        EXPECT_EQ(window->books().CurrentRecord, 0);
        EXPECT_EQ(window->books().files.openCount(), 0);
        EXPECT_TRUE(dialogs.messages().isEmpty()) << c.box;

        // Closing again, whatever the check mark, writes the same file byte for byte.
        const QByteArray first = fileBytes(closed);
        prepare(monthEnd());
        close(c.box);
        EXPECT_EQ(fileBytes(closed), first) << c.box;
    }
}

TEST_F(BookCloserTest, SelectingTheClosedFileShowsItsAccounts) {
    const QString file = prepare(monthEnd());
    close("chkMonthly");
    selectFile(file + " closed monthly");
    EXPECT_TRUE(window->tabControl()->isVisible());
    showTab(0);
    EXPECT_EQ(text("txtAcctName"), "Cash");
    EXPECT_EQ(text("txtCurrentBalance"), "$5,000.00");
}

TEST_F(BookCloserTest, ZeroedAndSkippedRecordsAndNoLeftoversOfALongerCopy) {
    const QString file =
        prepare({account("Drawings", "D3", "10", "20"), account("Odd", "", "1", "1"),
                 account("Unknown", "Z9", "1", "1"), account("Stock", "C3C", "500", "700"),
                 account("Merchandise Inventory", "D1I", "1200", "800")});
    window->books().EndingInventory.reset(); // never set: zero
    writeAccounts(file + " closed ytd", std::vector<AccountRecord>(8, account("Old", "D1", "9")));
    close("chkYearly");
    const QByteArray bytes = fileBytes(file + " closed ytd");
    ASSERT_EQ(bytes.size(), 5 * 62);
    EXPECT_EQ(bytes.mid(62, 124), QByteArray(124, '\0'));
    const std::vector<AccountRecord> closed = readAccounts(file + " closed ytd");
    EXPECT_EQ(closed[0], account("Drawings", "D3", "0", "0"));
    EXPECT_EQ(closed[3], account("Stock", "C3C", "500", "700"));
    EXPECT_EQ(closed[4], account("Merchandise Inventory", "D1I", "0", "0"));
}

TEST_F(BookCloserTest, ClosingAClosedCopyAppendsToItsName) {
    const QString file = prepare(monthEnd(), QStringLiteral("books.dat closed monthly"));
    close("chkYearly");
    EXPECT_TRUE(QFile::exists(path("books.dat closed monthly closed ytd")));
    EXPECT_EQ(file, path("books.dat closed monthly"));
}

TEST_F(BookCloserTest, RefusalsShowAMessageAndLeaveEverythingAsItWas) {
    std::vector<AccountRecord> tooMany(51, account("Cash", "D1", "1"));
    const struct {
        const char* what;
        std::vector<AccountRecord> records;
        const char* endCap;
        const char* ytdEndCap;
        const char* inventory;
        const char* box;
        QString message;
    } cases[] = {
        {"end cap", monthEnd(), "nine", "$1.00", "1500", "chkMonthly",
         notANumberMessage("ending retained earnings", "nine")},
        {"ytd end cap", monthEnd(), "$1.00", "", "1500", "chkYearly",
         notANumberMessage("year to date ending retained earnings", "")},
        {"inventory", monthEnd(), "$1.00", "$1.00", "a lot", "chkMonthly",
         notANumberMessage("ending inventory", "a lot")},
        {"51 records", tooMany, "$1.00", "$1.00", "1500", "chkYearly", QString()},
    };
    for (const auto& c : cases) {
        const QString file = prepare(c.records);
        setText("txtEndCap", c.endCap);
        setText("txtYtdEndCap", c.ytdEndCap);
        window->books().EndingInventory = QString::fromLatin1(c.inventory);
        const QByteArray before = fileBytes(file);
        close(c.box);
        ASSERT_EQ(dialogs.messages().size(), 1) << c.what;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(dialogs.messages()[0], c.message) << c.what;
        }
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None) << c.what;
        EXPECT_FALSE(QFile::exists(file + " closed monthly")) << c.what;
        EXPECT_FALSE(QFile::exists(file + " closed ytd")) << c.what;
        EXPECT_EQ(fileBytes(file), before) << c.what;
        EXPECT_TRUE(window->tabControl()->isVisible()) << c.what;
        EXPECT_EQ(window->tabControl()->currentIndex(), 6) << c.what;
    }
}

TEST_F(BookCloserTest, AFailureAtAnyFileStepLeavesNoPartialCopy) {
    for (const char* box : {"chkMonthly", "chkYearly"}) {
        const QString file = prepare(monthEnd());
        const QString closed =
            file + (QLatin1String(box) == "chkMonthly" ? " closed monthly" : " closed ytd");
        const QByteArray selected = fileBytes(file);
        const QByteArray earlier(3 * 62, 'x');
        writeBytes(closed, earlier);
        long replacedAt = 0;
        long k = 1;
        for (;; ++k) {
            dialogs.reset();
            FileFaults::failAt(k, 61);
            close(box);
            const long operations = FileFaults::operations();
            FileFaults::clear();
            if (operations < k) {
                break; // every step passed: the closing is done
            }
            EXPECT_EQ(dialogs.messages(), QStringList{"Disk Full"}) << box << k;
            EXPECT_EQ(fileBytes(file), selected) << box << k;
            EXPECT_FALSE(QFile::exists(closed + ".TMP")) << box << k;
            EXPECT_TRUE(window->tabControl()->isVisible()) << box << k;
            if (replacedAt == 0 && fileBytes(closed) != earlier) {
                replacedAt = k; // only the sync of the folder comes after the rename
            }
        }
        EXPECT_TRUE(tabsHidden()) << box;
        EXPECT_EQ(readAccounts(closed).size(), 5u) << box;
        EXPECT_GT(k, 10) << box;
        EXPECT_TRUE(replacedAt == 0 || replacedAt == k - 1) << box << replacedAt;
    }
}

} // namespace
