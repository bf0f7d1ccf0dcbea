#include "data/account_table.h"
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/text_rules.h"
#include "support/books_fixture.h"
#include "ui/flex_grid.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>

namespace {

class PostingTest : public BooksFixture {
  protected:
    void TearDown() override {
        FileFaults::clear();
        BooksFixture::TearDown();
    }
    FlexGrid* grid() const { return find<FlexGrid>(QStringLiteral("MSFlexGrid3")); }
    QString cell(int row, int column) const { return grid()->cell(row, column); }
    bool postEnabled() const { return find<QAbstractButton>("cmdOKPost")->isEnabled(); }
    void enterPostingTab() {
        showTab(2);
        showTab(1);
    }
    void clickRow(int row) {
        FlexGrid* g = grid();
        g->scrollToItem(g->item(row, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(row, 1)).center());
    }
    void post(int row, const QString& debit, const QString& credit) {
        clickRow(row);
        setText("txtPostDebit", debit);
        setText("txtPostCredit", credit);
        click("cmdOKPost");
    }
    QStringList accountBoxes() const {
        return {text("txtAccountToPost"), text("txtType"), text("txtCurrent"), text("txtYear")};
    }
};

TEST_F(PostingTest, PostingMovesBothBalancesByTheNormalSide) {
    const struct {
        const char* type;
        const char* debit;
        const char* credit;
        const char* shownCurrent;
        const char* shownYtd;
    } cases[] = {
        {"D1", "250", "", "$1,250.00", "$5,250.00"},   {"C2", "250", "", "$750.00", "$4,750.00"},
        {"D1", "100", "40", "$1,060.00", "$5,060.00"}, {"C2", "100", "40", "$940.00", "$4,940.00"},
        {"D1", "", "1500", "($500.00)", "$3,500.00"},  {"D1", "-50", "", "$950.00", "$4,950.00"},
    };
    for (const auto& c : cases) {
        const QString file = openBooks(
            {account("Cash", c.type, "1000", "5000"), account("Sales", "C4", "10", "20")});
        enterPostingTab();
        post(1, c.debit, c.credit);
        SCOPED_TRACE(std::string(c.type) + " debit " + c.debit + " credit " + c.credit);
        EXPECT_EQ(cell(1, 3), c.shownCurrent);
        EXPECT_EQ(cell(1, 4), c.shownYtd);
        const auto records = readAccounts(file);
        ASSERT_EQ(records.size(), 3u);
        EXPECT_EQ(formatCurrency(records[0].CurrentBalance), c.shownCurrent);
        EXPECT_EQ(formatCurrency(records[0].YtdBalance), c.shownYtd);
        EXPECT_EQ(records[0].trimmedName(), "Cash");
        EXPECT_EQ(records[0].trimmedType(), c.type);
        EXPECT_EQ(records[1], account("Sales", "C4", "10", "20"));
        EXPECT_EQ(records[2], AccountRecord::blank());
        EXPECT_EQ(accountBoxes(), QStringList({"", "", "", ""}));
        EXPECT_EQ(text("txtPostDebit"), "");
        EXPECT_EQ(text("txtPostCredit"), "");
        EXPECT_FALSE(postEnabled());
        EXPECT_TRUE(dialogs.messages().isEmpty());
    }
    // The exact figures of the first case as stored.
    const QString file = openBooks({account("Cash", "D1", "1000", "5000")});
    enterPostingTab();
    post(1, "250", "");
    EXPECT_EQ(readAccounts(file)[0], account("Cash", "D1", "1250", "5250"));
}

TEST_F(PostingTest, EmptyAmountsRewriteTheBalancesAsShown) {
    const QString file = openBooks({account("Cash", "D1", "10.1234", "-3.0051")});
    enterPostingTab();
    post(1, "", "");
    EXPECT_EQ(readAccounts(file)[0], account("Cash", "D1", "10.12", "-3.01"));
    EXPECT_EQ(cell(1, 3), "$10.12");
    EXPECT_EQ(cell(1, 4), "($3.01)");
}

TEST_F(PostingTest, BlankRecordFollowsTheAccountsAndNeverReplacesOne) {
    const QString file = openBooks({account("Cash", "D1", "1", "1"), account("Sales", "C4")});
    enterPostingTab();
    post(1, "5", "");
    post(2, "", "7");
    EXPECT_EQ(readAccounts(file).size(), 3u);
    enterPostingTab();
    post(2, "1", "");
    const auto grown = readAccounts(file);
    ASSERT_EQ(grown.size(), 3u);
    EXPECT_EQ(grown[2], AccountRecord::blank());

    const QString gap = openBooks(
        {account("Cash", "D1", "1", "1"), AccountRecord::blank(), account("Sales", "C4", "2", "2")},
        QStringLiteral("gap.dat"));
    enterPostingTab();
    EXPECT_EQ(cell(1, 0), "1");
    EXPECT_EQ(cell(2, 0), "3");
    EXPECT_EQ(cell(2, 1), "Sales");
    EXPECT_EQ(window->books().RecordCount, 2);
    post(2, "", "3");
    post(1, "4", "");
    const auto records = readAccounts(gap);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], account("Cash", "D1", "5", "5"));
    EXPECT_EQ(records[1], AccountRecord::blank());
    EXPECT_EQ(records[2], account("Sales", "C4", "5", "5"));
}

TEST_F(PostingTest, GridListsTheAccountsOfTheFileOnEveryEntry) {
    openBooks({});
    enterPostingTab();
    const QStringList headings = {"AN.", "Account Title", "Type", "Current Balance",
                                  "Year To date"};
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(cell(0, column), headings[column]);
        EXPECT_EQ(cell(1, column), "");
    }
    const int widths[] = {2100, 1000, 1500, 1500};
    for (int column = 1; column < 5; ++column) {
        EXPECT_EQ(grid()->columnWidth(column), FlexGrid::twipsToPixels(widths[column - 1], grid()));
    }
    EXPECT_EQ(window->books().RecordCount, 0);

    const QString file = openBooks({account("  Cash  ", "D1", "-12.5", "3"),
                                    account("Sales", "C4", "0", "0"), AccountRecord::blank()},
                                   QStringLiteral("three.dat"));
    enterPostingTab();
    EXPECT_EQ(QStringList({cell(1, 0), cell(1, 1), cell(1, 2), cell(1, 3), cell(1, 4)}),
              QStringList({"1", "Cash", "D1", "($12.50)", "$3.00"}));
    EXPECT_EQ(cell(2, 1), "Sales");
    EXPECT_EQ(cell(3, 0), "");
    EXPECT_EQ(window->books().RecordCount, 2);
    clickRow(1);
    EXPECT_EQ(accountBoxes(), QStringList({"Cash", "D1", "($12.50)", "$3.00"}));

    writeAccounts(file, {account("Cash", "D1", "99", "3")});
    enterPostingTab();
    EXPECT_EQ(cell(1, 3), "$99.00");
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(accountBoxes(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(postEnabled());
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(PostingTest, PostButtonNeedsAClickedAccount) {
    openBooks({account("Cash", "D1", "1", "1"), account("Sales", "C4")});
    enterPostingTab();
    EXPECT_FALSE(postEnabled());
    clickRow(2);
    EXPECT_TRUE(postEnabled());
    EXPECT_EQ(text("txtAccountToPost"), "Sales");
    post(1, "1", "");
    EXPECT_FALSE(postEnabled());
    clickRow(1);
    EXPECT_TRUE(postEnabled());
    EXPECT_EQ(text("txtCurrent"), "$2.00");
    clickRow(5);
    EXPECT_FALSE(postEnabled());
    EXPECT_EQ(accountBoxes(), QStringList({"", "", "", ""}));
}

TEST_F(PostingTest, KeyboardMovedRowStillPostsTheClickedAccount) {
    const QString file = openBooks(
        {account("Cash", "D1", "1", "1"), account("Sales", "C4"), account("Rent Expense", "D6")});
    enterPostingTab();
    clickRow(1);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Down);
    ASSERT_EQ(grid()->currentRow(), 3);
    setText("txtPostDebit", "10");
    click("cmdOKPost");
    const auto records = readAccounts(file);
    EXPECT_EQ(records[0], account("Cash", "D1", "11", "11"));
    EXPECT_EQ(records[2], account("Rent Expense", "D6"));
    EXPECT_EQ(cell(1, 3), "$11.00");
    EXPECT_EQ(cell(3, 3), "$0.00");
}

TEST_F(PostingTest, EnterKeyOrAScreenReaderChoosesARowAsAClickDoes) {
    const std::function<void(FlexGrid*, int)> choose[] = {
        [](FlexGrid* g, int row) {
            g->setFocus();
            g->setCurrentCell(row, 1);
            QTest::keyClick(g, Qt::Key_Return);
        },
        [](FlexGrid* g, int row) {
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(g);
            QAccessibleInterface* cellItem = table->tableInterface()->cellAt(row, 1);
            cellItem->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        },
    };
    for (const auto& how : choose) {
        SCOPED_TRACE(&how == &choose[0] ? "enter" : "reader");
        const QString file = openBooks({account("Cash", "D1", "1", "1"), account("Sales", "C4")});
        enterPostingTab();
        how(grid(), 2);
        EXPECT_TRUE(postEnabled());
        EXPECT_EQ(accountBoxes(), QStringList({"Sales", "C4", "$0.00", "$0.00"}));
        setText("txtPostCredit", "7");
        click("cmdOKPost");
        EXPECT_EQ(readAccounts(file)[1], account("Sales", "C4", "7", "7"));
    }
}

TEST_F(PostingTest, FileSelectedMeanwhileIsListedInsteadOfWrittenOver) {
    const QString first = openBooks({account("Cash", "D1", "1", "1")});
    enterPostingTab();
    clickRow(1);
    setText("txtPostDebit", "10");
    const QString second = path("second.dat");
    writeAccounts(second, {account("Rent Expense", "D6", "2", "2")});
    const QByteArray secondBefore = fileBytes(second);
    selectFile(second);
    click("cmdOKPost");
    EXPECT_EQ(fileBytes(second), secondBefore);
    EXPECT_EQ(readAccounts(first)[0], account("Cash", "D1", "1", "1"));
    EXPECT_EQ(cell(1, 1), "Rent Expense");
    EXPECT_FALSE(postEnabled());
}

TEST_F(PostingTest, MoreAccountsThanTheGridHoldsShowOneMessage) {
    const struct {
        int accounts;
        bool message;
    } cases[] = {{49, false}, {50, true}, {55, true}};
    for (const auto& c : cases) {
        std::vector<AccountRecord> records;
        for (int i = 1; i <= c.accounts; ++i) {
            records.push_back(account(QStringLiteral("Account %1").arg(i), "D1", "1", "1"));
        }
        const QString file = openBooks(records, QStringLiteral("many%1.dat").arg(c.accounts));
        dialogs.reset();
        enterPostingTab();
        SCOPED_TRACE(c.accounts);
        EXPECT_EQ(dialogs.messages(),
                  c.message ? QStringList{tooManyAccountsMessage()} : QStringList{});
        EXPECT_EQ(cell(49, 1), "Account 49");
        post(49, "1", "");
        EXPECT_EQ(readAccounts(file)[48], account("Account 49", "D1", "2", "2"));
        // A blank record follows the accounts unless an unlisted account stands there.
        const auto after = readAccounts(file);
        ASSERT_EQ(after.size(),
                  static_cast<std::size_t>(c.accounts > 50 ? c.accounts : c.accounts + 1));
        const std::size_t next = std::min<std::size_t>(50, static_cast<std::size_t>(c.accounts));
        EXPECT_EQ(after[next].trimmedName(), c.accounts > 50 ? "Account 51" : "");
    }
}

TEST_F(PostingTest, FailedPostingWriteLeavesFileAndGridInStep) {
    const struct {
        long failingStep; // 1 = the record write, 2 = its sync
        int error;
    } cases[] = {{1, 61}, {1, 70}, {1, 53}, {2, 61}};
    for (const auto& c : cases) {
        const QString file = openBooks({account("Cash", "D1", "1000", "5000")});
        enterPostingTab();
        const QByteArray before = fileBytes(file);
        dialogs.reset();
        clickRow(1);
        setText("txtPostDebit", "250");
        FileFaults::failAt(c.failingStep, c.error);
        click("cmdOKPost");
        FileFaults::clear();
        SCOPED_TRACE(c.error);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, errorMessage(c.error));
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Critical);
        // A write whose sync failed is put back: the posting did not happen, and the
        // account stays chosen for another try.
        EXPECT_EQ(fileBytes(file), before);
        EXPECT_EQ(cell(1, 3), "$1,000.00");
        EXPECT_EQ(cell(1, 4), "$5,000.00");
        EXPECT_EQ(accountBoxes(), QStringList({"Cash", "D1", "$1,000.00", "$5,000.00"}));
        EXPECT_EQ(text("txtPostDebit"), "250");
        EXPECT_TRUE(postEnabled());
    }
}

TEST_F(PostingTest, AmountTooLargeIsRefusedWithAMessage) {
    const QString file = openBooks({account("Cash", "D1", "1000", "5000")});
    enterPostingTab();
    const QByteArray before = fileBytes(file);
    for (const char* typed : {"1e30", "922337203685000"}) {
        dialogs.reset();
        post(1, typed, "");
        EXPECT_EQ(dialogs.messages().size(), 1) << typed;
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::None);
        EXPECT_EQ(fileBytes(file), before);
        EXPECT_EQ(cell(1, 3), "$1,000.00");
    }
}

TEST_F(PostingTest, LabelsNameTheirBoxesWithDistinctMnemonics) {
    openBooks({});
    enterPostingTab();
    const struct {
        const char* box;
        const char* name;
    } cases[] = {{"txtAccountToPost", "Account to be posted"},
                 {"txtType", "Account Type"},
                 {"txtCurrent", "CurrentBalance"},
                 {"txtYear", "Year to date balance"},
                 {"txtPostDebit", "Debit"},
                 {"txtPostCredit", "Credit"}};
    QSet<QChar> keys;
    for (const auto& c : cases) {
        EXPECT_EQ(find<QLineEdit>(c.box)->accessibleName(), c.name);
    }
    const auto labels = find<QWidget>("PostingTab")->findChildren<QLabel*>();
    QStringList captions;
    for (const QLabel* label : labels) {
        captions << label->text();
    }
    captions << find<QAbstractButton>("cmdOKPost")->text();
    for (const QString& caption : captions) {
        const qsizetype at = caption.indexOf(u'&');
        ASSERT_GE(at, 0) << caption.toStdString();
        const QChar key = caption.at(at + 1).toLower();
        EXPECT_FALSE(keys.contains(key)) << caption.toStdString();
        EXPECT_NE(key, QChar(u'f')); // the File menu
        keys.insert(key);
    }
    EXPECT_EQ(find<QAbstractButton>("cmdOKPost")->text(), "&Post to this account");
}

} // namespace
