// Books attacked from outside: another Folio deleting beside them, links planted where a
// rewrite writes, files that are not files, a closed copy another Folio holds.
#include "books_actions.h"
#include "child_process.h"
#include "data/file_io.h"
#include "data/file_system.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Attacks = ActionsFixture;

// Someone who guesses each name a rewrite is about to create and plants a link to the
// victim there first (three times).
class PlantingDisk : public folio::FileSystem {
  public:
    explicit PlantingDisk(QString victim) : victim_(std::move(victim)) {
        folio::setFileSystem(this);
    }
    ~PlantingDisk() override { folio::setFileSystem(nullptr); }
    int open(const char* path, int flags, mode_t mode) override {
        if ((flags & O_EXCL) != 0 && planted < 3 && ::symlink(qPrintable(victim_), path) == 0) {
            ++planted;
        }
        return FileSystem::open(path, flags, mode);
    }
    int planted = 0;

  private:
    QString victim_;
};

TEST_F(Attacks, TwoFoliosDeletingInTwoFilesOfOneFolderNeverSwapBooks) {
    std::vector<std::unique_ptr<QProcess>> folios;
    for (const QString mark : {"A", "B"}) {
        std::vector<AccountRecord> records;
        for (int i = 0; i < 40; ++i) {
            records.push_back(account(mark + QString::number(i), "D1"));
        }
        writeAccounts(path(mark + ".dat"), records);
        QProcessEnvironment orders;
        orders.insert("FOLIO_CHILD_BOOKS", path(mark + ".dat"));
        orders.insert("FOLIO_CHILD_MARK", mark);
        folios.push_back(startChild("TrustChild.DeleteLoop", orders));
    }
    for (auto& folio : folios) {
        EXPECT_EQ(childLine(*folio), "swaps 0");
        killChild(*folio);
    }
    EXPECT_EQ(temporaryFiles(), QStringList());
}

TEST_F(Attacks, LinksPlantedWhereADeleteWritesLeaveTheirTargetsAlone) {
    writeBytes(path("victim"), "precious");
    ASSERT_TRUE(QFile::link(path("victim"), path("File.TMP"))); // where deletes once wrote
    const QString books = openBooks(smallChart());
    chooseRecord(2);
    clearBalances();
    {
        PlantingDisk disk(path("victim"));
        deleteShown();
        EXPECT_EQ(disk.planted, 3);
    }
    EXPECT_EQ(fileBytes(path("victim")), "precious");
    EXPECT_EQ(readAccounts(books).size(), smallChart().size() - 1);
    EXPECT_EQ(readAccounts(books)[1].name, "Accumulated Depreciation");
    selectFile(books); // the planted links are not Folio's to remove
    int links = 0;
    for (const QFileInfo& entry : QDir(dir.path()).entryInfoList(QDir::System | QDir::Files)) {
        links += entry.isSymLink() ? 1 : 0;
    }
    EXPECT_EQ(links, 4); // File.TMP and the three planted where the delete wrote
    EXPECT_EQ(fileBytes(path("victim")), "precious");
}

TEST_F(Attacks, DeleteKeepsTheModeTheOwnerAndTheLinkOfTheBooks) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    const QString real = path("real/books.dat");
    writeAccounts(real, smallChart());
    ::chmod(qPrintable(real), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(qPrintable(real), 65534, 65534), 0);
    }
    ASSERT_TRUE(QFile::link(real, path("link.dat")));
    selectFile(path("link.dat"));
    chooseRecord(1);
    clearBalances();
    deleteShown();
    EXPECT_TRUE(QFileInfo(path("link.dat")).isSymLink());
    EXPECT_EQ(readAccounts(real).size(), smallChart().size() - 1);
    struct stat info {};
    ASSERT_EQ(::stat(qPrintable(real), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_uid, root ? 65534u : ::geteuid());
    QStringList left = QDir(path("real")).entryList(QDir::Files);
    left.removeIf([](const QString& name) { return name.startsWith("books.dat.journal"); });
    EXPECT_EQ(left, QStringList{"books.dat"}); // and the journal of the file the link names
    EXPECT_FALSE(QFile::exists(path("link.dat.journal")));
}

TEST_F(Attacks, OnlyRegularFilesOpenAsBooksAndEveryRefusalSaysWhy) {
    const QString books = openBooks(smallChart());
    ASSERT_EQ(::mkfifo(qPrintable(path("pipe")), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    QFile big(path("big.dat"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(folio::kLargestFile + 62));
    struct Case {
        QString path;
        const char* why;
    };
    std::vector<Case> cases = {{path("pipe"), "not a regular file"},
                               {"/dev/zero", "not a regular file"},
                               {"/dev/null", "not a regular file"},
                               {path("folder"), "it is a folder"},
                               {path("big.dat"), "larger than Folio handles"},
                               {path("gone/books.dat"), "its folder does not exist"}};
    if (::geteuid() != 0) { // root may read and write anything
        writeAccounts(path("sealed.dat"), smallChart());
        ::chmod(qPrintable(path("sealed.dat")), 0200);
        writeAccounts(path("readonly.dat"), smallChart());
        ::chmod(qPrintable(path("readonly.dat")), 0400);
        cases.push_back({path("sealed.dat"), "Folio may not read it"});
        cases.push_back({path("readonly.dat"), "Folio may not write it"});
    }
    for (const Case& c : cases) {
        dialogs.reset();
        selectFile(c.path);
        ASSERT_EQ(dialogs.messages().size(), 1) << c.path.toStdString();
        EXPECT_TRUE(dialogs.messages()[0].contains(c.path)) << c.path.toStdString();
        EXPECT_TRUE(dialogs.messages()[0].contains(c.why)) << dialogs.messages()[0].toStdString();
        EXPECT_EQ(window->books().path(), books);
    }
    struct stat info {};
    EXPECT_TRUE(::stat(qPrintable(path("pipe")), &info) == 0 && S_ISFIFO(info.st_mode));
    EXPECT_EQ(QFileInfo(path("big.dat")).size(), folio::kLargestFile + 62);
}

TEST_F(Attacks, ClosingLeavesACopyAnotherFolioHoldsAlone) {
    const QString books = path("books.dat");
    const QString closed = books + " closed monthly";
    writeBytes(closed, QByteArray(62, 'x'));
    writeAccounts(books, smallChart());
    selectFile(books);
    fillCompany();
    showFresh(ui::Tab::BalanceSheet);
    QProcessEnvironment orders;
    orders.insert("FOLIO_CHILD_BOOKS", closed);
    auto other = startChild("TrustChild.HoldLock", orders);
    ASSERT_EQ(childLine(*other), "taken");
    dialogs.reset();
    closeBooks(false);
    ASSERT_EQ(reported().size(), 1);
    EXPECT_TRUE(reported()[0].startsWith("File Already Open"));
    EXPECT_TRUE(reported()[0].contains(closed));
    EXPECT_EQ(fileBytes(closed), QByteArray(62, 'x'));
    EXPECT_TRUE(window->tabControl()->isVisible());
    killChild(*other);
    closeBooks(false);
    EXPECT_EQ(readAccounts(closed).size(), 9u);
}

} // namespace
