#include "app/books_lock.h"
#include "child_process.h"
#include "support/books_fixture.h"
#include <QFile>
#include <QProcess>

namespace {

using OneFolioPerFile = BooksFixture;

std::unique_ptr<QProcess> holdLock(const QString& books, const QString& appName = QString()) {
    QProcessEnvironment orders;
    orders.insert(QStringLiteral("FOLIO_CHILD_BOOKS"), books);
    if (!appName.isEmpty()) {
        orders.insert(QStringLiteral("FOLIO_CHILD_APPNAME"), appName);
    }
    return startChild(QStringLiteral("TrustChild.HoldLock"), orders);
}

TEST_F(OneFolioPerFile, FileHeldByAnotherFolioIsRefusedUntilThatFolioIsKilled) {
    // The other Folio runs under the program's own name, as a second copy would.
    for (const QString& appName : {QString(), QStringLiteral("Folio")}) {
        dialogs.reset();
        const QString mine = openBooks({account("Cash", "D1", "10")}, "mine.dat");
        const QString theirs = path("theirs.dat");
        writeAccounts(theirs, {account("Bank", "D1", "20")});
        auto other = holdLock(theirs, appName);
        ASSERT_EQ(childLine(*other), "taken");

        selectFile(theirs);
        ASSERT_EQ(dialogs.messages(), QStringList{"File Already Open"}) << appName.toStdString();
        EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Critical);
        EXPECT_EQ(window->books().Tag, mine);
        showTab(0);
        EXPECT_EQ(text("txtAcctName"), "Cash");

        killChild(*other);
        ASSERT_TRUE(QFile::exists(BooksLock::lockPathFor(theirs))); // left behind
        dialogs.reset();
        selectFile(theirs);
        EXPECT_TRUE(dialogs.messages().isEmpty());
        EXPECT_EQ(window->books().Tag, theirs);
        showTab(2);
        showTab(0);
        EXPECT_EQ(text("txtAcctName"), "Bank");
        window->close();
        showTab(2);
    }
}

TEST_F(OneFolioPerFile, ExitAndANewSelectionReleaseTheLock) {
    const QString first = openBooks({account("Cash", "D1")}, "first.dat");
    const QString second = path("second.dat");
    auto probe = holdLock(first);
    EXPECT_EQ(childLine(*probe), "held elsewhere");
    killChild(*probe);

    selectFile(second);
    probe = holdLock(first);
    EXPECT_EQ(childLine(*probe), "taken");
    killChild(*probe);
    probe = holdLock(second);
    EXPECT_EQ(childLine(*probe), "held elsewhere");
    killChild(*probe);

    window->close();
    probe = holdLock(second);
    EXPECT_EQ(childLine(*probe), "taken");
    killChild(*probe);
}

TEST_F(OneFolioPerFile, SelectingTheSameFileAgainKeepsWorking) {
    const QString file = openBooks({account("Cash", "D1")});
    selectFile(file);
    window->mnuSelectFile_Click(); // cancelled: the same file again
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(window->books().Tag, file);
}

TEST_F(OneFolioPerFile, LeftoversOfAnInterruptedRunAreRemovedAtSelectFile) {
    const QString file = path("books.dat");
    writeAccounts(file, {account("Cash", "D1")});
    const QStringList leftovers = {path("File.TMP"), file + " closed monthly.TMP",
                                   file + " closed ytd.TMP"};
    const QStringList kept = {file + " closed monthly", file + " closed ytd", path("other.TMP")};
    for (const QString& name : leftovers + kept) {
        writeBytes(name, QByteArray(30, 'x'));
    }
    selectFile(file);
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFile::exists(name)) << name.toStdString();
    }
    for (const QString& name : kept) {
        EXPECT_TRUE(QFile::exists(name)) << name.toStdString();
    }
    EXPECT_EQ(readAccounts(file).size(), 1u);
}

} // namespace
