// A second Folio killed (SIGKILL) at random moments of a long series of postings,
// deletions and closings: the books are always in a state the series passed through, and
// what the killed Folio left behind is cleared at the next Select File.
#include "books_actions.h"
#include "child_process.h"
#include "data/file_table.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <cstdio>

namespace {

class KillChild : public ActionsFixture {
  protected:
    // The series; `stepDone` runs after each completed action.
    void series(const QString& books, const std::function<void()>& stepDone) {
        reselect(books);
        fillCompany();
        for (int i = 0; i < 24; ++i) {
            preparePosting(1 + i % 4, QString::number(10 + i));
            post();
            stepDone();
            if (i % 6 == 5) {
                chooseRecord(2);
                clearBalances();
                stepDone();
                deleteShown();
                stepDone();
            }
            if (i % 8 == 7) {
                enterStatements();
                closeBooks(i % 16 == 15);
                stepDone();
                reselect(books);
                reopenPeriod(); // closed books refuse every change until reopened
            }
        }
    }
};

// The child: runs the series once on FOLIO_CHILD_BOOKS, then waits to be killed.
TEST_F(KillChild, Series) {
    const QString books = qEnvironmentVariable("FOLIO_CHILD_BOOKS");
    if (books.isEmpty()) {
        GTEST_SKIP() << "runs only as a child";
    }
    FileTable::setDurable(false); // a kill loses no written data; only the pace changes
    std::puts("ready");
    std::fflush(stdout);
    series(books, [] {});
    std::puts("done");
    std::fflush(stdout);
    QThread::sleep(60);
}

class KilledFolio : public KillChild {};

TEST_F(KilledFolio, LeavesBooksInAStateTheSeriesPassedThrough) {
    const QString books = path("books.dat");
    const QString monthly = books + " closed monthly";
    const QString ytd = books + " closed ytd";
    const auto fresh = [&] {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
            if (name != "elsewhere.dat") {
                QFile::remove(path(name)); // the books, their copies and journals: all anew
            }
        }
        writeAccounts(books, smallChart());
    };

    // The states the series passes through, by running it here once.
    fresh();
    QSet<QByteArray> bookStates{fileBytes(books)};
    QSet<QByteArray> closedStates{QByteArray()};
    FileTable::setDurable(false);
    QElapsedTimer clock;
    clock.start();
    series(books, [&] {
        bookStates.insert(fileBytes(books));
        closedStates.insert(fileBytes(monthly));
        closedStates.insert(fileBytes(ytd));
    });
    const qint64 span = std::max<qint64>(clock.elapsed() * 3 / 2, 20);
    FileTable::setDurable(true);
    ASSERT_GT(bookStates.size(), 20);
    reselect(path("elsewhere.dat")); // gives up the lock on the books

    QRandomGenerator random(20261206);
    for (int kill = 0; kill < 200; ++kill) {
        fresh();
        QProcessEnvironment orders;
        orders.insert("FOLIO_CHILD_BOOKS", books);
        auto child = startChild("KillChild.Series", orders);
        ASSERT_EQ(childLine(*child), "ready");
        QThread::msleep(static_cast<unsigned long>(random.bounded(span)));
        killChild(*child);

        const QByteArray left = fileBytes(books);
        ASSERT_TRUE(bookStates.contains(left)) << "kill " << kill;
        ASSERT_TRUE(closedStates.contains(fileBytes(monthly))) << "kill " << kill;
        ASSERT_TRUE(closedStates.contains(fileBytes(ytd))) << "kill " << kill;

        dialogs.reset();
        reselect(books); // the killed Folio's lock is taken over, its leftovers cleared
        EXPECT_EQ(window->books().path(), books);
        EXPECT_TRUE(dialogs.messages().isEmpty())
            << "kill " << kill << dialogs.messages().join("; ").toStdString();
        EXPECT_EQ(temporaryFiles(), QStringList()) << "kill " << kill;
        // The journal finishes a change the killed Folio had committed but not yet written.
        EXPECT_TRUE(fileBytes(books) == left || bookStates.contains(fileBytes(books)))
            << "kill " << kill;
        reselect(path("elsewhere.dat"));
    }
}

} // namespace
