// One Folio per accounts file: the kernel's lock on the file itself, met through every
// path to it, ended with the Folio that held it, taken in a folder Folio may not write.
#include "child_process.h"
#include "support/books_fixture.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using OneFolioPerFile = BooksFixture;

std::unique_ptr<QProcess> holdLock(const QString& books, uid_t user = 0) {
    QProcessEnvironment orders;
    orders.insert("FOLIO_CHILD_BOOKS", books);
    orders.insert("FOLIO_CHILD_USER", QString::number(user));
    return startChild("TrustChild.HoldLock", orders);
}

QString probe(const QString& books) {
    auto other = holdLock(books);
    const QString line = childLine(*other);
    killChild(*other);
    return line;
}

TEST_F(OneFolioPerFile, AFileHeldElsewhereIsRefusedThroughEveryPathUntilItsHolderIsKilled) {
    const QString mine = openBooks({account("Cash", "D1", "10")}, "mine.dat");
    const QString theirs = path("theirs.dat");
    writeAccounts(theirs, {account("Bank", "D1", "20")});
    writeBytes(theirs + ".lock", QByteArray()); // an empty lock file counts for nothing
    ASSERT_TRUE(QFile::link(theirs, path("link.dat")));
    ASSERT_EQ(::link(qPrintable(theirs), qPrintable(path("hard.dat"))), 0);
    auto other = holdLock(theirs);
    ASSERT_EQ(childLine(*other), "taken");
    for (const QString& alias : {theirs, path("link.dat"), path("hard.dat")}) {
        dialogs.reset();
        selectFile(alias);
        ASSERT_EQ(dialogs.messages().size(), 1);
        EXPECT_TRUE(dialogs.messages()[0].startsWith("File Already Open\n"));
        EXPECT_TRUE(dialogs.messages()[0].contains(alias)) << alias.toStdString();
        EXPECT_EQ(dialogs.shown.back().icon, ui::MessageIcon::Critical);
        EXPECT_EQ(window->books().path(), mine);
    }
    showTab(ui::Tab::Setup);
    EXPECT_EQ(text("txtAcctName"), "Cash");

    killChild(*other);
    dialogs.reset();
    selectFile(path("link.dat"));
    selectFile(path("hard.dat")); // the same file by another path stays this Folio's
    EXPECT_TRUE(dialogs.messages().isEmpty());
    showFresh(ui::Tab::Setup);
    EXPECT_EQ(text("txtAcctName"), "Bank");
    EXPECT_EQ(probe(theirs), "held elsewhere");
    EXPECT_EQ(probe(mine), "taken");
    window->close();
    EXPECT_EQ(probe(theirs), "taken");
}

TEST_F(OneFolioPerFile, AFolderFolioMayNotWriteStillLocks) {
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(QDir(dir.path()).mkdir("shared"));
    const QString books = path("shared/books.dat");
    writeAccounts(books, {account("Cash", "D1")});
    // A Folio run by another user, for whom the folder is not writable (root writes
    // everywhere, so it plays that user; anyone else makes the folder read-only).
    ::chmod(qPrintable(books), 0666);
    ::chmod(qPrintable(dir.path()), 0755);
    ::chmod(qPrintable(path("shared")), root ? 0755 : 0555);
    auto other = holdLock(books, root ? 65534 : 0);
    ASSERT_EQ(childLine(*other), "taken");
    selectFile(books);
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("File Already Open"));
    killChild(*other);
    EXPECT_EQ(QDir(path("shared")).entryList(QDir::Files), QStringList{"books.dat"});
    ::chmod(qPrintable(path("shared")), 0755);
}

TEST_F(OneFolioPerFile, SelectFileRemovesOnlyFolioOwnLeftoversOfThatFile) {
    const QString file = path("books.dat");
    writeAccounts(file, {account("Cash", "D1")});
    writeBytes(path("victim"), "precious");
    const QStringList leftovers = {"books.dat.folio-Ab12Cd.tmp",
                                   "books.dat closed monthly.folio-x9Y8z7.tmp"};
    const QStringList kept = {"File.TMP", "books.dat closed monthly.TMP", "other.folio-Ab12Cd.tmp",
                              "books.dat.folio-Ab12.tmp", "books.dat.folio-Held01.tmp"};
    for (const QString& name : leftovers + kept) {
        writeAccounts(path(name), {account(name, "D1")});
    }
    ASSERT_TRUE(QFile::link(path("victim"), path("books.dat.folio-Link01.tmp")));
    auto writer = holdLock(path("books.dat.folio-Held01.tmp")); // another Folio's, in use
    ASSERT_EQ(childLine(*writer), "taken");
    selectFile(file);
    killChild(*writer);
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFile::exists(path(name))) << name.toStdString();
    }
    for (const QString& name : kept) {
        EXPECT_EQ(readAccounts(path(name)).size(), 1u) << name.toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("books.dat.folio-Link01.tmp")).isSymLink());
    EXPECT_EQ(fileBytes(path("victim")), "precious");
    selectFile(path("File.TMP")); // a user's own books of that name
    showTab(ui::Tab::Setup);
    EXPECT_EQ(text("txtAcctName"), "File.TMP");
}

} // namespace
