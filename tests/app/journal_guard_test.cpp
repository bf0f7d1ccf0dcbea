// The journal of the selected books kept whole from outside: a file dialog leaves SQLite's
// locks on it, the command line only reads it, a closing never replaces a copy's own work.
#include "data/file_lock.h"
#include "data/file_system.h"
#include "journal/books_journal.h"
#include "support/books_fixture.h"
#include "support/run_folio.h"
#include "support/sample_books.h"
#include "ui/qt_dialogs.h"
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

using namespace folio::journal;

namespace {

// The locks this process holds on the file, as the kernel lists them.
int locksHeldOn(const QString& path) {
    struct stat found {};
    if (::stat(QFile::encodeName(path).constData(), &found) != 0) {
        return 0;
    }
    QFile list(QStringLiteral("/proc/locks"));
    if (!list.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray pid = QByteArray::number(::getpid());
    const QByteArray inode = ':' + QByteArray::number(static_cast<qulonglong>(found.st_ino));
    int held = 0;
    for (const QByteArray& line : list.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const qsizetype at = fields.value(1) == "->" ? 1 : 0; // a waiting lock
        held += fields.size() > 5 + at && fields[4 + at] == pid && fields[5 + at].endsWith(inode);
    }
    return held;
}

class JournalGuard : public BooksFixture {
  protected:
    bool postBalanced(const char* memo) {
        return window->journalMenu().postBalanced(
            {QDate(2026, 12, 1), QString::fromLatin1(memo)},
            {{1, money("25"), Money()}, {3, Money(), money("25")}});
    }
};

TEST_F(JournalGuard, AnExportDialogAndTheCommandLineLoseNoEntryOfARunningFolio) {
    const QString books = openBooks(serviceBooks());
    const QString journal = journalPathFor(books);
    ASSERT_TRUE(postBalanced("first"));
    ASSERT_GT(locksHeldOn(journal + "-shm"), 0);

    // The export's save dialog lists the journal's files, cancelled once it has looked
    // at each of them.
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        auto* model = shown->findChild<QFileSystemModel*>();
        const bool looked = QTest::qWaitFor([&] {
            for (const char* suffix : {"", "-wal", "-shm"}) {
                const QModelIndex at = model->index(journal + suffix);
                model->data(at, Qt::DecorationRole);
                if (!at.isValid() || model->type(at).isEmpty()) {
                    return false;
                }
            }
            return true;
        });
        EXPECT_TRUE(looked);
        shown->reject();
    });
    ui::QtDialogs real(window.get());
    EXPECT_FALSE(real.saveFileName("Export", path("out.csv"), {"CSV files (*.csv)"}));
    EXPECT_GT(locksHeldOn(journal), 0);
    EXPECT_GT(locksHeldOn(journal + "-shm"), 0);

    const Ran ran = runFolio({"--export", "trial-balance", books, path("tb.csv")});
    EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString();
    EXPECT_TRUE(QFile::exists(journal + "-wal"));
    ASSERT_TRUE(postBalanced("second"));

    // Killed now: the files as they are on disk are what the next opening finds.
    QDir(dir.path()).mkdir("killed");
    for (const QString& name : {books, journal, journal + "-wal", journal + "-shm"}) {
        QFile::copy(name, path("killed/" + QFileInfo(name).fileName()));
    }
    FileTable files;
    const QString copy = path("killed/books.dat");
    files.open(1, copy);
    BooksJournal reopened;
    const auto found = reopened.open({files, 1, copy});
    EXPECT_FALSE(found.changedOutside);
    EXPECT_EQ(reopened.store().entry(reopened.store().lastSeq())->memo, "second");
}

TEST_F(JournalGuard, TheCommandLineRefusesStaleBooks) {
    const QString books = path("pending.dat");
    writeAccounts(books, serviceBooks());
    leavePostingPending(books, 1, money("250"));
    const QStringList folder = QDir(dir.path()).entryList(QDir::Files);
    const QByteArray log = fileBytes(journalPathFor(books) + "-wal");
    const Ran stale = runFolio({"--export", "trial-balance", books, path("tb.csv")});
    EXPECT_EQ(stale.exitCode, 1);
    EXPECT_TRUE(stale.err.contains("not yet written")) << stale.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), folder);
    EXPECT_EQ(fileBytes(journalPathFor(books) + "-wal"), log);
}

TEST_F(JournalGuard, ClosingAgainNeverReplacesWorkDoneInTheClosedCopy) {
    const QString books = openBooks(merchandisingBooks());
    setCompany(statements::Business::Merchandising, money("1500"), "11/30/2026");
    closeMonthly();
    const QString closed = books + " closed monthly";
    ASSERT_TRUE(QFile::exists(closed));
    selectFile(closed);
    ASSERT_TRUE(postBalanced("work of the new month"));
    const QByteArray copy = fileBytes(closed);
    selectFile(books);
    setCompany(statements::Business::Merchandising, money("1500"), "11/30/2026");
    dialogs.shown.clear();
    closeMonthly();
    EXPECT_EQ(fileBytes(closed), copy);
    ASSERT_FALSE(dialogs.messages().isEmpty());
    EXPECT_TRUE(dialogs.messages().back().contains("1 entries of its own"))
        << dialogs.messages().back().toStdString();
}

// Tries, as a second Folio would, to open the closed copy while its journal is renamed.
class ClaimDuringRename : public FileSystem {
  public:
    explicit ClaimDuringRename(QString copy) : copy_(std::move(copy)) {}
    int rename(const char* from, const char* to) override {
        if (QFile::decodeName(to) == journalPathFor(copy_)) {
            FileLock second;
            claimed = second.claim(copy_, false) == FileLock::Claim::Taken;
        }
        return FileSystem::rename(from, to);
    }
    bool claimed = false;

  private:
    QString copy_;
};

TEST_F(JournalGuard, AClosingHoldsTheClosedCopyUntilItsLastRename) {
    const QString books = openBooks(merchandisingBooks());
    setCompany(statements::Business::Merchandising, money("1500"), "12/31/2026");
    const QString closed = books + " closed monthly";
    writeAccounts(closed, merchandisingBooks()); // an old copy, with no journal
    ClaimDuringRename disk(closed);
    setFileSystem(&disk);
    closeMonthly();
    setFileSystem(nullptr);
    EXPECT_FALSE(disk.claimed);
    EXPECT_NE(readAccounts(closed), merchandisingBooks()); // the closing went through
}

} // namespace
