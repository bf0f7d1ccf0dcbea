// Journals that are planted, damaged, of other books or left half-done: each opening says
// what is wrong in words and leaves the books, the journal and its folder as they were.
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/file_table.h"
#include "journal/books_journal.h"
#include "journal/journal_files.h"
#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <sqlite3.h>

using namespace folio::journal;

namespace {

QStringList folderOf(const QString& path) {
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

// A posting recorded straight in a journal: the account's current balance moves by the
// debit less the credit.
std::int64_t postTo(BooksJournal& journal, BooksFile file, int record, Money debit, Money credit) {
    AccountRecord after = readAccounts(file.path)[static_cast<std::size_t>(record - 1)];
    after.current = after.current + debit - credit;
    return journal.record(file, EntryKind::Posting, {}, {{record, after, debit, credit}});
}

// Runs SQL on a journal's file as the sqlite3 tool would.
void runSql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Lets the first `allowed` commits of a connection through and refuses the rest.
int refuseCommits(void* allowed) {
    int& left = *static_cast<int*>(allowed);
    return left-- > 0 ? 0 : 1;
}

// An accounts file with its journal open at the journal's own level (no session, which
// turns a refusal into a notice), so each refusal is seen as thrown.
class Planted : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        books = dir.filePath("books.dat");
    }
    void start(const std::vector<AccountRecord>& records) {
        journal.close();
        QFile::remove(journalPathFor(books));
        writeAccounts(books, records);
        reopen();
    }
    void reopen() {
        journal.close();
        files.closeAll();
        files.open(1, books);
        opened = journal.open(file());
    }
    BooksFile file() { return {files, 1, books}; }
    // The fourth account deleted while the disk is full: the books cannot be written, and
    // the journal records the entry and nothing after it, not even its abandonment.
    void deleteOnAFullDisk() {
        std::vector<AccountRecord> kept = readAccounts(books);
        kept.erase(kept.begin() + 3);
        commitsAllowed = 1;
        sqlite3_commit_hook(journal.store().database().handle(), refuseCommits, &commitsAllowed);
        FileFaults::failAt(1, 61);
        EXPECT_THROW(journal.record(file(), EntryKind::Deletion, {},
                                    BooksJournal::wholeFile(fileBytes(books), kept)),
                     folio::FileError);
        FileFaults::clear();
    }
    std::int64_t post(int record, const char* debit, const char* credit = "0") {
        return postTo(journal, file(), record, money(debit), money(credit));
    }
    // Opens the books again and gives the words of the refusal (empty when it opened).
    QString refusal() {
        try {
            reopen();
        } catch (const JournalUnusable& unusable) {
            return unusable.why();
        }
        return QString();
    }

    QTemporaryDir dir;
    QString books;
    FileTable files;
    BooksJournal journal;
    BooksJournal::Opened opened;
    int commitsAllowed = 1000;
};

TEST_F(Planted, EachPlantedOrDamagedJournalIsNamedAndLeftAsItWas) {
    // Other books from the same chart, stopped after their journal took a $500 posting.
    const QString other = dir.filePath("other.dat");
    writeAccounts(other, serviceBooks());
    leavePostingPending(other, 5, Money(), money("500"));
    start(serviceBooks());
    post(1, "250");
    journal.close();
    const QString journalPath = journalPathFor(books);
    const QByteArray real = fileBytes(journalPath);
    const QByteArray booksOfReal = fileBytes(books);
    reopen();
    post(2, "40"); // in the log only, when Folio is killed now
    const QByteArray log = fileBytes(journalPath + "-wal");
    journal.close();
    const QString target = dir.filePath("target");
    const struct {
        const char* name;
        std::function<void()> plant;
        const char* words;
    } cases[] = {
        {"link", [&] { QFile::link(target, journalPath); }, "symbolic link"},
        {"folder", [&] { QDir().mkdir(journalPath); }, "is a folder"},
        {"random", [&] { writeBytes(journalPath, QByteArray(4096, '\x5a')); }, "not a database"},
        {"text", [&] { writeBytes(journalPath, "date,memo\n"); }, "not a database"},
        {"cut", [&] { writeBytes(journalPath, real.left(real.size() / 2)); }, "cut short"},
        {"read-only",
         [&] {
             writeBytes(journalPath, real);
             QFile::setPermissions(journalPath, QFile::ReadOwner);
         },
         "read-only"},
        {"unreadable",
         [&] {
             writeBytes(journalPath, real);
             QFile::setPermissions(journalPath, QFile::WriteOwner);
         },
         "may not read"},
        {"other schema", [&] { runSql(journalPath, "CREATE TABLE entries(id, text)"); },
         "not a journal of Folio's"},
        {"half made, with entries",
         [&] {
             runSql(journalPath, "CREATE TABLE entries(seq, made, date, memo, kind, status, "
                                 "reversal_of, below); "
                                 "INSERT INTO entries VALUES(1,'','','','',1,NULL,0)");
         },
         "not a journal of Folio's"},
        {"log link",
         [&] {
             writeBytes(journalPath, real);
             QFile::link(target, journalPath + "-wal");
         },
         "symbolic link"},
        // A pending change is finished only on the books it was begun on.
        {"pending on other books",
         [&] {
             writeAccounts(books, serviceBooks());
             for (const char* suffix : {"", "-wal"}) {
                 QFile::copy(journalPathFor(other) + suffix, journalPath + suffix);
             }
         },
         "belongs to other books"},
        {"a pending record past the end of the books",
         [&] {
             writeBytes(journalPath, real);
             reopen();
             Entry entry;
             entry.kind = EntryKind::NewAccount;
             entry.lines = {lineFor(2000000, std::nullopt, account("Planted", "D1"))};
             BooksShape shape{digestOfImage(fileBytes(books)), journal.store().undoState()};
             journal.store().commit(entry, shape, 0);
             journal.close();
         },
         "past the end"},
        {"a log left by a crash beside a journal restored from a backup",
         [&] {
             writeBytes(journalPath, real);
             writeBytes(journalPath + "-wal", log);
         },
         "restored from a backup"},
    };
    for (const auto& each : cases) {
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile::remove(journalPath + suffix);
        }
        QDir(journalPath).removeRecursively();
        writeBytes(target, "not Folio's");
        writeBytes(books, booksOfReal);
        each.plant();
        const QStringList folder = folderOf(dir.path());
        const QByteArray booksBefore = fileBytes(books);
        std::map<QString, QByteArray> journalBefore; // the journal and its log, as files
        for (const QString& file : {journalPath, journalPath + "-wal"}) {
            if (QFileInfo(file).isFile() && !QFileInfo(file).isSymLink()) {
                journalBefore[file] = fileBytes(file);
            }
        }
        const QString words = refusal();
        EXPECT_TRUE(words.contains(each.words)) << each.name << ": " << words.toStdString();
        EXPECT_FALSE(journal.isOpen()) << each.name;
        EXPECT_EQ(folderOf(dir.path()), folder) << each.name; // no -wal or -shm left behind
        EXPECT_EQ(fileBytes(books), booksBefore) << each.name;
        EXPECT_EQ(fileBytes(target), "not Folio's") << each.name;
        for (const auto& [file, bytes] : journalBefore) {
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
            EXPECT_EQ(fileBytes(file), bytes) << each.name << " " << file.toStdString();
        }
    }
}

TEST_F(Planted, AJournalStoppedWhileItsTablesWereMadeIsMadeAnew) {
    writeAccounts(books, serviceBooks());
    runSql(journalPathFor(books), "CREATE TABLE entries(seq INTEGER PRIMARY KEY, made, date, "
                                  "memo, kind, status, reversal_of, below)");
    EXPECT_EQ(refusal(), QString());
    post(1, "250");
    reopen();
    EXPECT_TRUE(journal.canUndo());
}

// A change reported as failed is never finished later: not by this Folio once space is
// freed, nor by the next one when this one was stopped before it could record the
// abandonment.
TEST_F(Planted, AChangeReportedAsFailedIsNeverFinishedLater) {
    for (const bool stopped : {false, true}) {
        SCOPED_TRACE(stopped ? "stopped" : "space freed");
        start(serviceBooks());
        post(1, "250");
        const std::vector<AccountRecord> before = readAccounts(books);
        deleteOnAFullDisk();
        EXPECT_EQ(readAccounts(books), before);
        BooksJournal next;
        FileTable nextFiles;
        if (stopped) {
            journal.store().database().keepLogOnClose();
            nextFiles.open(1, books);
            opened = next.open({nextFiles, 1, books});
        } else {
            commitsAllowed = 1000;
            reopen();
        }
        EXPECT_EQ(readAccounts(books), before);
        EXPECT_EQ(opened.finished, 0);
        EXPECT_FALSE(opened.changedOutside);
        // the posting before it is still the one Undo takes back
        EXPECT_TRUE((stopped ? next : journal).canUndo());
        EXPECT_EQ(folderOf(dir.path()).filter("abandoned"), QStringList());
    }
}

TEST_F(Planted, AClosingStoppedPartWayIsWhollyThereOrWhollyAbsent) {
    start(merchandisingBooks());
    const QString closed = books + " closed monthly";
    for (const bool copyWritten : {false, true}) {
        const QDateTime made = QDateTime::currentDateTimeUtc().addSecs(copyWritten ? 60 : 0);
        const std::int64_t seq = journal.beginClosing("Monthly closing", closed, made);
        if (copyWritten) {
            BooksJournal::writeClosedCopy(closed, books, "Monthly closing", merchandisingBooks(),
                                          {}, made, QDate(2026, 1, 31));
        }
        reopen(); // killed before the closing was marked done
        EXPECT_EQ(journal.store().status(seq),
                  copyWritten ? JournalStore::Status::Applied : JournalStore::Status::Abandoned);
        EXPECT_FALSE(opened.changedOutside);
        // Only the closing that was done locks the books.
        EXPECT_EQ(journal.periodLock().closedWhole.has_value(), copyWritten);
    }
    EXPECT_EQ(closedCopyWork(closed), QString());
    FileTable copyFiles;
    copyFiles.open(1, closed);
    BooksJournal copy;
    copy.open({copyFiles, 1, closed});
    postTo(copy, {copyFiles, 1, closed}, 1, money("4321"), Money());
    EXPECT_TRUE(closedCopyWork(closed).contains("1 entries of its own"));
}

// The closed copy's first entry is marked applied in its journal's log alone, unsynced: a
// crash that loses the log leaves it pending, and the copy's first opening finishes it
// again, which changes nothing.
TEST_F(Planted, AClosedCopyWhoseMarkWasLostOpensAsWritten) {
    start(merchandisingBooks());
    const QString closed = books + " closed monthly";
    BooksJournal::writeClosedCopy(closed, books, "Monthly closing", merchandisingBooks(), {},
                                  QDateTime::currentDateTimeUtc(), QDate(2026, 1, 31));
    for (const char* side : {"-wal", "-shm"}) {
        QFile::remove(journalPathOf(closed) + side);
    }
    FileTable copyFiles;
    copyFiles.open(1, closed);
    BooksJournal copy;
    const BooksJournal::Opened found = copy.open({copyFiles, 1, closed});
    EXPECT_EQ(found.finished, 1);
    EXPECT_FALSE(found.changedOutside || found.started);
    EXPECT_EQ(readAccounts(closed), merchandisingBooks());
}

} // namespace
