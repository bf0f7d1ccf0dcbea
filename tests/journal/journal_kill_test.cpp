// A second Folio killed (SIGKILL) at random moments of a series of postings, balanced
// entries, undos, deletions and closings: after every kill, opening the books gives a
// file and a journal in step, each as the series left them after one of its steps.
#include "journal_fixture.h"
#include "support/sample_books.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <cstdio>

using namespace folio::journal;

namespace {

class JournalKill : public JournalFixture {
  protected:
    QString closed() const { return books + " closed monthly"; }

    // The series; `stepDone` runs after each completed step.
    void series(const std::function<void()>& stepDone) {
        for (int i = 0; i < 24; ++i) {
            post(1 + i % 4, QByteArray::number(10 + i).constData());
            stepDone();
            if (i % 5 == 1) {
                journal.postBalanced(file(), {QDate(2026, 12, 1 + i), "transfer"},
                                     {{1, money("5"), Money()}, {3, Money(), money("5")}});
                stepDone();
            }
            if (i % 4 == 3) {
                journal.undo(file());
                stepDone();
                if (i % 8 == 7) {
                    journal.redo(file());
                    stepDone();
                }
            }
            if (i % 6 == 5) {
                std::vector<AccountRecord> kept = readAccounts(books);
                kept.erase(kept.begin() + 1);
                journal.record(file(), EntryKind::Deletion, {},
                               BooksJournal::wholeFile(fileBytes(books), kept));
                stepDone();
            }
            if (i % 8 == 2) {
                journal.recordClosing("Monthly closing", closed());
                BooksJournal::writeClosedCopy(closed(), books, "Monthly closing",
                                              readAccounts(books), {});
                stepDone();
            }
        }
    }

    // The books and their journal as the next opening finds them.
    static QByteArray state(const QString& path) {
        FileTable files;
        files.open(1, path);
        BooksJournal opened;
        const auto found = opened.open({files, 1, path});
        EXPECT_FALSE(found.changedOutside) << path.toStdString();
        return fileBytes(path) + QByteArray::number(opened.store().appliedCount());
    }
};

// The child: runs the series on FOLIO_CHILD_BOOKS, then waits to be killed.
TEST_F(JournalKill, Series) {
    books = qEnvironmentVariable("FOLIO_CHILD_BOOKS");
    if (books.isEmpty()) {
        GTEST_SKIP() << "runs only as a child";
    }
    FileTable::setDurable(false); // a kill loses no written data; only the pace changes
    files.open(1, books);
    journal.open(file());
    std::puts("ready");
    std::fflush(stdout);
    series([] {});
    std::puts("done");
    std::fflush(stdout);
    QThread::sleep(60);
}

TEST_F(JournalKill, EveryKillLeavesBooksAndJournalInAStateTheSeriesPassedThrough) {
    const auto fresh = [&] {
        journal.close();
        files.closeAll();
        for (const QString& path : {books, closed()}) {
            for (const char* suffix : {"", ".journal", ".journal-wal", ".journal-shm"}) {
                QFile::remove(path + suffix);
            }
        }
        writeAccounts(books, serviceBooks());
    };
    fresh();
    files.open(1, books);
    journal.open(file());
    QSet<QByteArray> states{state(books)};
    QSet<QByteArray> closedStates{QByteArray("0")};
    FileTable::setDurable(false);
    QElapsedTimer clock;
    clock.start();
    series([&] {
        states.insert(state(books));
        if (QFile::exists(closed())) {
            closedStates.insert(state(closed()));
        }
    });
    const qint64 span = std::max<qint64>(clock.elapsed(), 20);
    FileTable::setDurable(true);
    ASSERT_GT(states.size(), 30);

    QRandomGenerator random(20261207);
    for (int kill = 0; kill < 60; ++kill) {
        fresh();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FOLIO_CHILD_BOOKS", books);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=JournalKill.Series", "--gtest_brief=1"});
        ASSERT_TRUE(child.waitForReadyRead(20000));
        ASSERT_EQ(child.readLine().trimmed(), "ready");
        QThread::msleep(static_cast<unsigned long>(random.bounded(span)));
        child.kill();
        child.waitForFinished(20000);

        EXPECT_TRUE(states.contains(state(books))) << "kill " << kill;
        const QByteArray closedState = QFile::exists(closed()) ? state(closed()) : "0";
        EXPECT_TRUE(closedStates.contains(closedState)) << "kill " << kill;
    }
}

} // namespace
