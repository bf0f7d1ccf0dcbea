#include "accounts/setup_fixture.h"
#include "data/file_faults.h"
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSet>

namespace {

using SetupTabTest = SetupFixture;

std::vector<AccountRecord> sevenAccounts() {
    std::vector<AccountRecord> records;
    for (const char* name : {"Cash", "Bank", "Sales", "Rent", "Wages", "Stock", "Tax"}) {
        records.push_back(account(name, "D1", "10", "20"));
    }
    return records;
}

TEST_F(SetupTabTest, EitherEndBeepsWithExclamationAndStays) {
    const struct {
        int start;
        const char* button;
        const char* message;
        const char* caption;
    } cases[] = {
        {7, "cmdNext", "End of File Encountered!", "Record  7/ 7"},
        {1, "cmdPrevious", "Beginning of file encountered! ", "Record  1/ 7"},
    };
    enterSetup(sevenAccounts());
    for (const auto& c : cases) {
        reenter();
        goTo(c.start);
        dialogs.reset();
        click(c.button);
        EXPECT_EQ(dialogs.messages(), QStringList{c.message});
        EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Exclamation);
        EXPECT_EQ(dialogs.beeps, 1);
        EXPECT_EQ(caption(), c.caption);
        EXPECT_TRUE(focused("txtAcctName"));
    }
}

TEST_F(SetupTabTest, NextAndPreviousSaveTheShownRecordAndMove) {
    const QString file = enterSetup(sevenAccounts());
    setText("txtAcctName", "Petty Cash");
    click("cmdNext");
    EXPECT_EQ(caption(), "Record  2/ 7");
    EXPECT_EQ(text("txtAcctName"), "Bank");
    setText("txtAcctType", "C2");
    click("cmdPrevious");
    EXPECT_EQ(caption(), "Record  1/ 7");
    EXPECT_EQ(text("txtAcctName"), "Petty Cash");
    EXPECT_EQ(readAccounts(file)[1].trimmedType(), "C2");
    EXPECT_TRUE(focused("txtAcctName"));
}

TEST_F(SetupTabTest, NewAppendsABlankRecordAndShowsIt) {
    const QString file =
        enterSetup({account("Cash", "D1", "5"), account("Bank", "D1"), account("Sales", "C4")});
    setText("txtAcctName", "Petty Cash");
    click("cmdNew");
    const auto records = readAccounts(file);
    ASSERT_EQ(fileBytes(file).size(), 4 * 62);
    EXPECT_EQ(records[0].trimmedName(), "Petty Cash");
    EXPECT_EQ(records[3], AccountRecord::blank());
    for (const char* box : {"txtAcctName", "txtAcctType", "txtCurrentBalance", "txtYtdBalance"}) {
        EXPECT_EQ(text(box), QString()) << box;
    }
    EXPECT_EQ(caption(), "Record  4/ 4");
}

TEST_F(SetupTabTest, SearchFindsWholeNamesIgnoringCase) {
    const struct {
        const char* answer; // empty = Cancel
        int shown;
        const char* message; // empty = none
    } cases[] = {
        {"cash", 1, ""},
        {"BANK", 2, ""}, // the lower of two equal names
        {"XYZ", 3, "Name XYZnot found!"},
        {" cash", 3, "Name  CASHnot found!"}, // blanks typed around the answer count
        {"Cas", 3, "Name CASnot found!"},
        {"", 3, ""},
    };
    const QString file = enterSetup({account("Cash", "D1"), account("Bank", "D1"),
                                     account("Sales", "C4"), account("  bank  ", "D1")});
    for (const auto& c : cases) {
        reenter();
        goTo(3);
        setText("txtAcctName", "Revenue");
        dialogs.reset();
        dialogs.inputAnswers = {c.answer};
        click("cmdSearch");
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown[0].text, "Enter name to search:");
        EXPECT_EQ(dialogs.shown[0].title, "Search");
        EXPECT_EQ(dialogs.messages(), *c.message ? QStringList{c.message} : QStringList())
            << c.answer;
        EXPECT_EQ(current(), c.shown) << c.answer;
        EXPECT_EQ(caption(), QStringLiteral("Record  %1/ 4").arg(c.shown));
        // Only a found record saves the one shown before.
        EXPECT_EQ(readAccounts(file)[2].trimmedName(), c.shown != 3 ? "Revenue" : "Sales")
            << c.answer;
        EXPECT_TRUE(focused("txtAcctName"));
        writeAccounts(file, {account("Cash", "D1"), account("Bank", "D1"), account("Sales", "C4"),
                             account("  bank  ", "D1")});
    }
}

TEST_F(SetupTabTest, LeavingCurrentBalanceStoresBothBalancesOrShowsTheHeldOnes) {
    const struct {
        const char* typed;
        const char* current;
        const char* ytd;
        const char* shownCurrent;
        const char* shownYtd;
    } cases[] = {
        {"250", "250", "250", "$250.00", "$250.00"},
        {"1,250", "1", "1", "$1.00", "$1.00"},
        {"12.5kg", "12.5", "12.5", "$12.50", "$12.50"},
        {"$500.00", "500", "700", "$500.00", "$700.00"},
        {"", "500", "700", "$500.00", "$700.00"},
        {"0", "500", "700", "$500.00", "$700.00"},
        {"-3", "500", "700", "$500.00", "$700.00"},
    };
    const QString file = enterSetup({account("Cash", "D1", "500", "700")});
    for (const auto& c : cases) {
        writeAccounts(file, {account("Cash", "D1", "500", "700")});
        reenter();
        typeInto("txtCurrentBalance", c.typed);
        QTest::keyClick(find<QLineEdit>("txtCurrentBalance"), Qt::Key_Tab);
        EXPECT_TRUE(focused("txtYtdBalance")) << c.typed;
        const AccountRecord stored = readAccounts(file)[0];
        EXPECT_EQ(stored.CurrentBalance, money(c.current)) << c.typed;
        EXPECT_EQ(stored.YtdBalance, money(c.ytd)) << c.typed;
        EXPECT_EQ(text("txtCurrentBalance"), c.shownCurrent) << c.typed;
        EXPECT_EQ(text("txtYtdBalance"), c.shownYtd) << c.typed;
    }
}

TEST_F(SetupTabTest, AmountIsStoredBeforeTheClickOrMnemonicThatLeavesTheBox) {
    const QString file = enterSetup({account("Cash", "D1"), account("Bank", "D1")});
    typeInto("txtCurrentBalance", "250");
    QTest::mouseClick(find<QAbstractButton>("cmdNext"), Qt::LeftButton);
    EXPECT_EQ(caption(), "Record  2/ 2");
    EXPECT_EQ(readAccounts(file)[0].CurrentBalance, money("250"));
    EXPECT_EQ(readAccounts(file)[0].YtdBalance, money("250"));

    typeInto("txtCurrentBalance", "75");
    QTest::keyClick(window.get(), Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(settle([this] { return current() == 1; }));
    EXPECT_EQ(readAccounts(file)[1].CurrentBalance, money("75"));
    EXPECT_EQ(readAccounts(file)[1].YtdBalance, money("75"));
    EXPECT_EQ(text("txtCurrentBalance"), "$250.00");
}

TEST_F(SetupTabTest, TypeListSetsTheCodeAndSavesAtOnce) {
    const struct {
        const char* entry;
        const char* code;
    } cases[] = {
        {"C3C = Common Stock", "C3C"},
        {"D1I = Merchandise Inventory", "D1I"},
        {"D4 = Sales Returns & Allow.", "D4"},
        {"D6 = Expenses", "D6"},
    };
    const QString file = enterSetup({account("Cash", "D1")});
    for (const auto& c : cases) {
        setText("txtAcctName", "Capital Stock");
        choose("lstAcctType", c.entry);
        EXPECT_EQ(text("txtAcctType"), c.code);
        EXPECT_EQ(readAccounts(file)[0].trimmedType(), c.code);
        EXPECT_EQ(readAccounts(file)[0].trimmedName(), "Capital Stock");
        writeAccounts(file, {account("Cash", "D1")});
    }
}

TEST_F(SetupTabTest, NameListFillsTheBoxAndTheNextSaveStoresIt) {
    const QString file = enterSetup({account("Cash", "D1"), account("Bank", "D1")});
    choose("lstAcctName", "SDI Tax Payable");
    EXPECT_EQ(text("txtAcctName"), "SDI Tax Payable");
    EXPECT_EQ(readAccounts(file)[0].trimmedName(), "Cash"); // not saved by the choice
    click("cmdNext");
    EXPECT_EQ(readAccounts(file)[0].trimmedName(), "SDI Tax Payable");
    reenter();
    EXPECT_EQ(find<QListWidget>("lstAcctName")->count(), 39);
    EXPECT_EQ(find<QListWidget>("lstAcctType")->count(), 11);
    EXPECT_EQ(find<QListWidget>("lstAcctType")->item(1)->text(), "D1I = Merchandise Inventory");
}

TEST_F(SetupTabTest, ListEntriesChosenWithoutAMouseActLikeClicks) {
    const QString file = enterSetup({account("Cash", "D1"), account("Bank", "D1")});

    // A screen reader selects an entry without moving the list's current entry.
    auto* types = find<QListWidget>("lstAcctType");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(types);
    ASSERT_NE(list, nullptr);
    QAccessibleInterface* entry = list->child(4);
    ASSERT_NE(entry, nullptr);
    ASSERT_NE(entry->actionInterface(), nullptr);
    entry->actionInterface()->doAction(entry->actionInterface()->actionNames().constFirst());
    EXPECT_EQ(text("txtAcctType"), "C3C");
    EXPECT_EQ(readAccounts(file)[0].trimmedType(), "C3C");

    // The keyboard moves the choice through the name list.
    auto* names = find<QListWidget>("lstAcctName");
    names->setFocus();
    names->setCurrentRow(0);
    QTest::keyClick(names, Qt::Key_Down);
    EXPECT_EQ(text("txtAcctName"), "Notes Receivable");

    // Clicking the entry already chosen chooses it again.
    setText("txtAcctType", "D6");
    choose("lstAcctType", "C3C = Common Stock");
    EXPECT_EQ(text("txtAcctType"), "C3C");
}

TEST_F(SetupTabTest, MnemonicsPressButtonsAndFocusBoxes) {
    enterSetup({account("Cash", "D1"), account("Bank", "D1")});
    const struct {
        Qt::Key key;
        std::function<bool()> done;
    } cases[] = {
        {Qt::Key_X, [this] { return caption() == "Record  2/ 2"; }},
        {Qt::Key_P, [this] { return caption() == "Record  1/ 2"; }},
        {Qt::Key_N, [this] { return caption() == "Record  3/ 3"; }},
        {Qt::Key_S, [this] { return !dialogs.shown.empty(); }},
        {Qt::Key_D, [this] { return !dialogs.shown.empty(); }},
        {Qt::Key_A, [this] { return focused("txtAcctName"); }},
        {Qt::Key_T, [this] { return focused("txtAcctType"); }},
        {Qt::Key_U, [this] { return focused("txtCurrentBalance"); }},
        {Qt::Key_Y, [this] { return focused("txtYtdBalance"); }},
        {Qt::Key_C, [this] { return window->tabControl()->currentIndex() == 3; }},
    };
    for (const auto& c : cases) {
        dialogs.reset();
        QTest::keyClick(window.get(), c.key, Qt::AltModifier);
        EXPECT_TRUE(settle(c.done)) << QKeySequence(c.key).toString().toStdString();
    }
}

TEST_F(SetupTabTest, LabelsAndButtonsHaveDistinctMnemonics) {
    enterSetup({});
    const QStringList labels = {"lblAcctName", "lblAcctType", "llbCurrent", "lblYtd"};
    const QStringList plain = {"Account Name", "Account Type", "Current Balance",
                               "Year to Date Balance"};
    QStringList captions;
    for (int i = 0; i < labels.size(); ++i) {
        captions << find<QLabel>(labels[i])->text();
        EXPECT_EQ(QString(captions.back()).remove('&'), plain[i]);
    }
    for (const char* b :
         {"cmdNew", "cmdNext", "cmdPrevious", "cmdSearch", "cmdDelete", "cmdClose"}) {
        captions << find<QAbstractButton>(b)->text();
    }
    QSet<QChar> keys;
    for (const QString& c : captions) {
        const auto at = c.indexOf('&');
        ASSERT_GE(at, 0) << c.toStdString();
        keys.insert(c.at(at + 1).toUpper());
    }
    EXPECT_EQ(keys.size(), captions.size());
}

TEST_F(SetupTabTest, FailedFileWorkChangesNeitherRecordNorCounters) {
    const std::vector<AccountRecord> records = {account("Cash", "D1"), account("Bank", "D1"),
                                                account("Sales", "C4")};
    const struct {
        const char* button;
        const char* answer;
        const char* caption;
    } cases[] = {
        {"cmdNext", "", "Record  3/ 3"},
        {"cmdPrevious", "", "Record  1/ 3"},
        {"cmdNew", "", "Record  4/ 4"},
        {"cmdSearch", "cash", "Record  1/ 3"},
    };
    const QString file = enterSetup(records);
    for (const auto& c : cases) {
        for (long k = 1;; ++k) {
            ASSERT_LT(k, 50) << c.button;
            writeAccounts(file, records);
            reenter();
            goTo(2);
            dialogs.reset();
            dialogs.inputAnswers = {c.answer};
            FileFaults::failAt(k, 61);
            click(c.button);
            const bool failed = FileFaults::operations() >= k;
            FileFaults::clear();
            if (!failed) {
                EXPECT_EQ(caption(), c.caption) << c.button;
                break;
            }
            EXPECT_EQ(dialogs.messages(), QStringList{"Disk Full"}) << c.button << k;
            EXPECT_EQ(dialogs.beeps, 1);
            EXPECT_EQ(caption(), "Record  2/ 3") << c.button << k;
            EXPECT_EQ(current(), 2);
            EXPECT_EQ(count(), 3);
            EXPECT_EQ(text("txtAcctName"), "Bank") << c.button << k;
        }
    }
}

} // namespace
