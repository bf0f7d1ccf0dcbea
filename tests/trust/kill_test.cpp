// A second Folio killed (SIGKILL) at random moments of a long series of postings, balanced
// entries, undos, redos, deletions and closings made through its window: after every kill
// the next Select File says nothing and clears what the killed Folio left behind, and the
// books and their journal, and each closed copy with its own, open in step, as the series
// left them after one of its steps.
#include "books_actions.h"
#include "child_process.h"
#include "data/file_table.h"
#include "session/books_session.h"
#include <QAction>
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
    // The series; `stepDone` runs after each completed step.
    void series(const QString& books, const std::function<void()>& stepDone) {
        selectFile(books);
        fillCompany();
        for (int i = 0; i < 24; ++i) {
            postOnTab(i % 4, QString::number(10 + i));
            stepDone();
            if (i % 5 == 1) { // several records, one entry
                window->session().postBalanced(
                    {QDate(2026, 12, 1 + i), "transfer"},
                    {{1, money("5"), Money()}, {3, Money(), money("5")}});
                stepDone();
            }
            if (i % 4 == 3) {
                find<QAction>("mnuUndo")->trigger();
                stepDone();
                if (i % 8 == 7) {
                    find<QAction>("mnuRedo")->trigger();
                    stepDone();
                }
            }
            if (i % 6 == 5) {
                chooseRecord(2);
                clearBalances();
                stepDone();
                deleteShown();
                stepDone();
            }
            if (i % 8 == 7) {
                showFresh(ui::Tab::BalanceSheet);
                closeBooks(i % 16 == 15);
                stepDone();
                selectFile(books);
                reopenPeriod(); // closed books refuse every change until reopened
                stepDone();
            }
        }
    }

    // A file and its journal as the next opening finds them ("none" for no file).
    static QByteArray state(const QString& file) {
        if (!QFile::exists(file)) {
            return "none";
        }
        folio::session::BooksSession opened;
        opened.books().select(file);
        opened.openJournal();
        EXPECT_TRUE(opened.hasJournal()) << file.toStdString();
        EXPECT_FALSE(opened.opening().changedOutside) << file.toStdString();
        return fileBytes(file) + QByteArray::number(opened.journalStore().appliedCount());
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

TEST_F(KilledFolio, LeavesBooksAndJournalInAStateTheSeriesPassedThrough) {
    const QString books = path("books.dat");
    const QStringList copies{books + " closed monthly", books + " closed ytd"};
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
    QSet<QByteArray> states{state(books)};
    QSet<QByteArray> closedStates{"none"};
    FileTable::setDurable(false);
    series(books, [&] {
        states.insert(state(books));
        for (const QString& copy : copies) {
            closedStates.insert(state(copy));
        }
    });
    FileTable::setDurable(true);
    ASSERT_GT(states.size(), 30);
    selectFile(path("elsewhere.dat")); // gives up the lock on the books
    QProcessEnvironment orders;
    orders.insert("FOLIO_CHILD_BOOKS", books);

    // How long the child takes over its series, so that kills fall all along it.
    fresh();
    auto timed = startChild("KillChild.Series", orders);
    ASSERT_EQ(childLine(*timed), "ready");
    QElapsedTimer clock;
    clock.start();
    QString line;
    while (line.isEmpty() && timed->state() == QProcess::Running && clock.elapsed() < 600000) {
        line = childLine(*timed);
    }
    ASSERT_EQ(line, "done");
    const qint64 span = std::max<qint64>(clock.elapsed() * 5 / 4, 20);
    killChild(*timed);

    QRandomGenerator random(20261206);
    for (int kill = 0; kill < 120; ++kill) {
        fresh();
        auto child = startChild("KillChild.Series", orders);
        ASSERT_EQ(childLine(*child), "ready");
        QThread::msleep(static_cast<unsigned long>(random.bounded(span)));
        killChild(*child);

        dialogs.reset();
        selectFile(books); // the killed Folio's lock is taken over, its leftovers cleared
        EXPECT_EQ(window->books().path(), books);
        EXPECT_TRUE(dialogs.messages().isEmpty())
            << "kill " << kill << dialogs.messages().join("; ").toStdString();
        EXPECT_EQ(temporaryFiles(), QStringList()) << "kill " << kill;
        selectFile(path("elsewhere.dat"));
        EXPECT_TRUE(states.contains(state(books))) << "kill " << kill;
        for (const QString& copy : copies) {
            EXPECT_TRUE(closedStates.contains(state(copy))) << "kill " << kill;
        }
    }
}

} // namespace
