// A second Folio killed (SIGKILL) at random moments of a series of postings, balanced
// entries, undos, redos, deletions and closings made through its window: after every
// kill, opening the books gives a file and a journal in step, each as the series left
// them after one of its steps.
#include "data/file_table.h"
#include "session/books_session.h"
#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <cstdio>

using folio::ui::Tab;
using namespace folio::journal;

namespace {

class JournalKill : public BooksFixture {
  protected:
    // The parent's folder: a child works on the parent's books.
    QString books() const {
        const QString folder = qEnvironmentVariable("FOLIO_CHILD_FOLDER");
        return (folder.isEmpty() ? dir.path() : folder) + QStringLiteral("/books.dat");
    }
    QString closed() const { return books() + " closed monthly"; }

    void enter(Tab tab) {
        showTab(Tab::Blank);
        showTab(tab);
    }
    void start() {
        selectFile(books());
        setCompany(folio::statements::Business::Service, std::nullopt, "12/31/2026");
    }

    // The series; `stepDone` runs after each completed step.
    void series(const std::function<void()>& stepDone) {
        start();
        for (int i = 0; i < 20; ++i) {
            postOnTab(i % 4, QString::number(10 + i));
            stepDone();
            if (i % 5 == 1) {
                window->session().postBalanced(
                    {QDate(2026, 12, 1 + i), "transfer"},
                    {{1, money("5"), Money()}, {3, Money(), money("5")}});
                stepDone();
            }
            if (i % 4 == 3) {
                find<QAction>(QStringLiteral("mnuUndo"))->trigger();
                stepDone();
                if (i % 8 == 7) {
                    find<QAction>(QStringLiteral("mnuRedo"))->trigger();
                    stepDone();
                }
            }
            if (i % 6 == 5) {
                enter(Tab::Setup);
                click(QStringLiteral("cmdNext"));
                setText(QStringLiteral("txtCurrentBalance"), QStringLiteral("0"));
                setText(QStringLiteral("txtYtdBalance"), QStringLiteral("0"));
                click(QStringLiteral("cmdNext"));
                click(QStringLiteral("cmdPrevious"));
                stepDone();
                dialogs.yesNoAnswers.push_back(true);
                click(QStringLiteral("cmdDelete"));
                stepDone();
            }
            if (i % 8 == 2) {
                closeMonthly();
                stepDone();
                start();
                dialogs.inputAnswers.push_back(QStringLiteral("the month goes on"));
                find<QAction>(QStringLiteral("mnuReopenPeriod"))->trigger(); // closed books
                stepDone();
            }
        }
    }

    // The books and their journal as the next opening finds them.
    static QByteArray state(const QString& file) {
        folio::session::BooksSession opened;
        opened.books().select(file);
        opened.openJournal();
        EXPECT_TRUE(opened.hasJournal()) << file.toStdString();
        EXPECT_FALSE(opened.opening().changedOutside) << file.toStdString();
        return fileBytes(file) + QByteArray::number(opened.journalStore().appliedCount());
    }
};

// The child: runs the series on its own copy of the books, then waits to be killed.
TEST_F(JournalKill, Series) {
    if (qEnvironmentVariable("FOLIO_CHILD_FOLDER").isEmpty()) {
        GTEST_SKIP() << "runs only as a child";
    }
    FileTable::setDurable(false); // a kill loses no written data; only the pace changes
    std::puts("ready");
    std::fflush(stdout);
    series([] {});
    std::puts("done");
    std::fflush(stdout);
    QThread::sleep(60);
}

TEST_F(JournalKill, EveryKillLeavesBooksAndJournalInAStateTheSeriesPassedThrough) {
    if (!qEnvironmentVariable("FOLIO_CHILD_FOLDER").isEmpty()) {
        GTEST_SKIP();
    }
    const auto fresh = [&] {
        for (const QString& file : {books(), closed()}) {
            for (const char* suffix : {"", ".journal", ".journal-wal", ".journal-shm"}) {
                QFile::remove(file + suffix);
            }
        }
        writeAccounts(books(), serviceBooks());
    };
    fresh();
    QSet<QByteArray> states{state(books())};
    QSet<QByteArray> closedStates{QByteArray("none")};
    FileTable::setDurable(false);
    QElapsedTimer clock;
    clock.start();
    series([&] {
        states.insert(state(books()));
        if (QFile::exists(closed())) {
            closedStates.insert(state(closed()));
        }
    });
    const qint64 span = std::max<qint64>(clock.elapsed(), 20);
    FileTable::setDurable(true);
    selectFile(path("elsewhere.dat")); // gives up the lock and the journal of the books
    ASSERT_GT(states.size(), 30);

    QRandomGenerator random(20261207);
    for (int kill = 0; kill < 60; ++kill) {
        fresh();
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FOLIO_CHILD_FOLDER", dir.path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=JournalKill.Series", "--gtest_brief=1"});
        ASSERT_TRUE(child.waitForReadyRead(20000));
        ASSERT_EQ(child.readLine().trimmed(), "ready");
        QThread::msleep(static_cast<unsigned long>(random.bounded(span)));
        child.kill();
        child.waitForFinished(20000);

        EXPECT_TRUE(states.contains(state(books()))) << "kill " << kill;
        const QByteArray closedState = QFile::exists(closed()) ? state(closed()) : "none";
        EXPECT_TRUE(closedStates.contains(closedState)) << "kill " << kill;
    }
}

} // namespace
