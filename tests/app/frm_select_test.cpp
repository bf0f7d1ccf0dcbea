#include "accounts/setup_tab.h"
#include "support/books_fixture.h"
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>

namespace {

using WindowTest = BooksFixture;

int descriptorsOn(const QString& file) {
    int count = 0;
    const QString target = QFileInfo(file).canonicalFilePath();
    for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files)) {
        if (fd.symLinkTarget() == target) {
            ++count;
        }
    }
    return count;
}

TEST_F(WindowTest, StartsWithHiddenTabsAndShowsTabTwoAfterSelectFile) {
    QTabWidget* tabs = window->tabControl();
    EXPECT_FALSE(tabs->isVisible());
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(window->windowTitle(), "Folio");
    const QStringList captions = {
        "Setup General Kestrow", "Post to General Kestrow", "Vorelind",      "Trial Balance",
        "Income Statement",      "Stockholders Equity",     "Balance Sheet", "Company Information"};
    for (int i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(tabs->tabText(i), captions[i]);
    }

    window->mnuSelectFile_Click(); // cancelled first selection
    EXPECT_FALSE(tabs->isVisible());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    const QString file = path("new books.dat");
    selectFile(file);
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(QFile(file).size(), 0);
    EXPECT_TRUE(tabs->isVisible());
    EXPECT_EQ(tabs->currentIndex(), 2);
    EXPECT_EQ(window->windowTitle(), "Folio");
}

TEST_F(WindowTest, EmptyFileShowsRecordOneOfOneAndBecomesOneZeroRecord) {
    const QString file = openBooks({});
    showTab(0);
    EXPECT_EQ(window->windowTitle(), "Record  1/ 1");
    for (const char* box : {"txtAcctName", "txtAcctType", "txtCurrentBalance", "txtYtdBalance"}) {
        EXPECT_EQ(text(box), QString()) << box;
    }
    EXPECT_EQ(fileBytes(file), QByteArray(62, '\0'));
}

TEST_F(WindowTest, SetupEntryShowsRecordOneTrimmedAndFormatted) {
    openBooks({account("Cash", "D1", "1234.5", "0"), account("Sales", "C4", "10", "20")});
    showTab(0);
    EXPECT_EQ(text("txtAcctName"), "Cash");
    EXPECT_EQ(text("txtAcctType"), "D1");
    EXPECT_EQ(text("txtCurrentBalance"), "$1,234.50");
    EXPECT_EQ(text("txtYtdBalance"), QString());
    EXPECT_EQ(window->windowTitle(), "Record  1/ 2");
}

TEST_F(WindowTest, SaveRulesKeepOrReplaceTheStoredBalance) {
    const struct {
        const char* typed;
        std::int64_t stored;
    } cases[] = {
        {"$1,234.50", 5000000}, {"", 5000000},         {"0", 5000000},    {"-20", 5000000},
        {"20", 200000},         {"1,234.5", 12345000}, {"0.004", 0},      {"0.00495", 0},
        {"0.005", 100},         {"12abc", 5000000},    {"1e40", 5000000},
    };
    const QString file = openBooks({account("Cash", "D1", "500", "500")});
    showTab(0);
    for (const auto& c : cases) {
        writeAccounts(file, {account("Cash", "D1", "500", "500")});
        window->books().CurrentAccount = readAccounts(file)[0];
        setText("txtYtdBalance", c.typed);
        static_cast<SetupTab*>(window->tabControl()->widget(0))->SaveCurrentRecord();
        EXPECT_EQ(readAccounts(file)[0].YtdBalance.raw(), c.stored) << c.typed;
    }
}

TEST_F(WindowTest, NothingIsSavedWhileCompanyTabIsShown) {
    const QString file = openBooks({account("Cash", "D1", "500", "500")});
    showTab(0);
    setText("txtAcctName", "Changed");
    showTab(7);
    static_cast<SetupTab*>(window->tabControl()->widget(0))->SaveCurrentRecord();
    EXPECT_EQ(readAccounts(file)[0].trimmedName(), "Cash");
}

TEST_F(WindowTest, MissingFolderShowsPathNotFoundAndRetriesUntilCancel) {
    QDir(dir.path()).mkdir("sub");
    const QString file = path("sub/books.dat");
    writeAccounts(file, {account("Cash", "D1")});
    selectFile(file);
    window->books().files.closeAll();
    QDir(path("sub")).removeRecursively();
    dialogs.failureAnswers = {true, true, false};
    showTab(0);
    EXPECT_EQ(dialogs.messages(),
              QStringList({"Path not found", "Path not found", "Path not found"}));
    EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Critical);
    EXPECT_EQ(dialogs.beeps, 3);
}

TEST_F(WindowTest, DeletedFileIsRecreatedOnEntry) {
    const QString file = openBooks({account("Cash", "D1")});
    QFile::remove(file);
    showTab(0);
    EXPECT_EQ(window->windowTitle(), "Record  1/ 1");
    EXPECT_EQ(QFile(file).size(), 62);
}

TEST_F(WindowTest, CloseSavesAndShowsTrialBalance) {
    const QString file = openBooks({account("Cash", "D1")});
    showTab(0);
    setText("txtAcctName", "Petty Cash");
    click("cmdClose");
    EXPECT_EQ(window->tabControl()->currentIndex(), 3);
    EXPECT_EQ(readAccounts(file)[0].trimmedName(), "Petty Cash");
}

TEST_F(WindowTest, SelectingOtherBooksPreparesTheShownTabAgain) {
    const QString first = openBooks({account("Cash", "D1"), account("Sales", "C4")});
    showTab(0);
    setText("txtAcctName", "Petty Cash");
    const QString second = path("other.dat");
    writeAccounts(second, {account("Bank", "D1")});
    selectFile(second);
    EXPECT_EQ(text("txtAcctName"), "Bank");
    EXPECT_EQ(window->windowTitle(), "Record  1/ 1");
    click("cmdClose");
    EXPECT_EQ(readAccounts(second)[0].trimmedName(), "Bank");
    EXPECT_EQ(readAccounts(first)[0].trimmedName(), "Cash");
}

TEST_F(WindowTest, TabEntriesDoNotGrowHandles) {
    const QString file = openBooks({account("Cash", "D1"), account("Bank", "D1")});
    for (int i = 0; i < 1000; ++i) {
        showTab(0);
        showTab(2);
    }
    EXPECT_LE(descriptorsOn(file), 2);
    EXPECT_LE(window->books().files.openCount(), 2);
}

TEST_F(WindowTest, NameBoxHoldsFortyCharactersFromTheStart) {
    openBooks({});
    showTab(0);
    auto* name = find<QLineEdit>("txtAcctName");
    name->setText(QString(45, u'x'));
    EXPECT_EQ(name->text().size(), 40);
}

} // namespace

namespace {

TEST_F(WindowTest, EveryBoxAndListIsNamedForScreenReaders) {
    for (QWidget* box : window->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(box) || box->inherits("QAbstractItemView");
        if (input && !box->objectName().isEmpty() &&
            box->objectName() != "qt_scrollarea_viewport") {
            EXPECT_FALSE(box->accessibleName().isEmpty()) << box->objectName().toStdString();
        }
    }
}

} // namespace
