#include "app/recent_files.h"
#include "data/account_types.h"
#include "support/books_fixture.h"
#include "support/run_folio.h"
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

namespace {

using folio::app::RecentFiles;

class DesktopTest : public BooksFixture {
  protected:
    void SetUp() override {
        RecentFiles::clear();
        BooksFixture::SetUp();
    }
    QString statusText() const { return find<QLabel>("lblSelectedFile")->text(); }
    QStringList recentMenu() const {
        auto* menu = window->findChild<QMenu*>("mnuOpenRecent");
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (action->objectName().startsWith("mnuRecent")) {
                texts << action->text();
            }
        }
        return texts;
    }
};

TEST_F(DesktopTest, NewBooksStartFromTheChosenChartOrNotAtAll) {
    const struct {
        std::optional<int> answer;
        int accounts; // -1: no file
        bool inventory;
    } cases[] = {{std::nullopt, -1, false}, {0, 0, false}, {1, 26, false}, {2, 33, true}};
    int n = 0;
    for (const auto& c : cases) {
        const QString file = path(QStringLiteral("new%1.dat").arg(++n));
        dialogs.choices = {c.answer};
        dialogs.reset();
        EXPECT_EQ(window->selectBooks(file), c.accounts >= 0);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("new%1.dat").arg(n)));
        EXPECT_EQ(QFile::exists(file), c.accounts >= 0);
        const std::vector<AccountRecord> records = readAccounts(file);
        EXPECT_EQ(static_cast<int>(records.size()), std::max(c.accounts, 0));
        bool inventory = false;
        for (const AccountRecord& r : records) {
            EXPECT_TRUE(std::ranges::any_of(kStandardNames, [&](auto s) { return r.name == s; }))
                << r.name.toStdString();
            EXPECT_TRUE(std::ranges::any_of(kAccountTypes, [&](auto t) {
                return r.type == t.code;
            })) << r.type.toStdString();
            EXPECT_TRUE(r.current.isZero() && r.ytd.isZero());
            inventory = inventory || r.type == "D1I";
        }
        EXPECT_EQ(inventory, c.inventory);
    }
    // The merchandising books are selected and in balance at zero.
    showTab(ui::Tab::TrialBalance);
    EXPECT_EQ(text("txtDebit"), text("txtCredits"));
    // Books that exist are selected without a question.
    dialogs.reset();
    EXPECT_TRUE(window->selectBooks(path("new3.dat")));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(DesktopTest, StatusBarAndWelcomePageSayWhichBooksAreOpen) {
    auto* welcome = find<QWidget>("Welcome");
    EXPECT_FALSE(welcome->isHidden());
    EXPECT_TRUE(statusText().startsWith("No books selected"));
    const QString file = openBooks({account("Cash", "D1")});
    EXPECT_TRUE(welcome->isHidden());
    EXPECT_TRUE(statusText().contains(file)) << statusText().toStdString();
    writeAccounts(file + " closed monthly", {account("Cash", "D1")});
    window->hideTabs(); // as a closing leaves the window
    EXPECT_FALSE(welcome->isHidden());
    EXPECT_TRUE(statusText().startsWith("Closed")) << statusText().toStdString();
    // The welcome page offers the closed copy, then the recent books.
    find<QPushButton>("cmdClosedCopy1")->click();
    EXPECT_EQ(window->books().path(), file + " closed monthly");
    window->hideTabs();
    find<QPushButton>("cmdRecent2")->click();
    EXPECT_EQ(window->books().path(), file);
    EXPECT_FALSE(window->tabControl()->isHidden());
}

TEST_F(DesktopTest, OpenRecentListsTheLastEightBooksThatStillExist) {
    for (int i = 1; i <= 10; ++i) {
        openBooks({account("Cash", "D1")}, QStringLiteral("b%1.dat").arg(i));
    }
    openBooks({account("Cash", "D1")}, "b5.dat"); // opened again: first once more
    QStringList expected;
    for (const char* name : {"b5", "b10", "b9", "b8", "b7", "b6", "b4", "b3"}) {
        expected << path(QStringLiteral("%1.dat").arg(name));
    }
    EXPECT_EQ(RecentFiles::existing(), expected);
    QFile::remove(path("b9.dat"));
    expected.removeAll(path("b9.dat"));
    EXPECT_EQ(recentMenu().size(), 7);
    EXPECT_TRUE(recentMenu().at(1).endsWith(path("b10.dat")));

    // A new window (the next run) offers the same list; choosing one selects it.
    window = std::make_unique<app::MainWindow>(dialogs);
    EXPECT_EQ(RecentFiles::existing(), expected);
    recentMenu();
    window->findChild<QAction*>("mnuRecent3")->trigger();
    EXPECT_EQ(window->books().path(), path("b8.dat"));
    EXPECT_EQ(RecentFiles::existing().first(), path("b8.dat"));
}

TEST_F(DesktopTest, FileOnTheCommandLineIsSelectedAtStart) {
    const QString file = path("start.dat");
    writeAccounts(file, {account("Cash", "D1")});
    const Ran run = runFolio({file}, true, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    // Selecting it put it first among the recent books of that run's settings.
    const QSettings kept(path("Folio/Folio.conf"), QSettings::IniFormat);
    EXPECT_EQ(kept.value("recentFiles").toStringList(), QStringList({file}));
}

} // namespace
