// Every action that writes the books, failed at each of its file operations in turn: the
// file is left as it was or as the completed action leaves it, the failure is reported,
// and no temporary file stays behind.
#include "books_actions.h"
#include "data/file_faults.h"
#include <QFile>
#include <functional>

namespace {

class FaultInjection : public ActionsFixture {
  protected:
    struct Action {
        const char* name;
        std::function<void()> prepare; // from scratch, before the faults are armed
        std::function<void()> act;
        QString target;    // the file the action writes
        QString untouched; // a file the action must leave alone (or empty)
    };

    // The messages shown, without the question a delete asks.
    QStringList reported() const {
        QStringList shown = dialogs.messages();
        shown.removeAll(QStringLiteral("Delete This Record?"));
        return shown;
    }

    void walk(const Action& action) {
        action.prepare();
        dialogs.reset();
        action.act();
        ASSERT_TRUE(reported().isEmpty())
            << action.name << ": " << reported().join("; ").toStdString();
        const QByteArray completed = fileBytes(action.target);
        ASSERT_FALSE(completed.isEmpty()) << action.name;
        for (long k = 1; k < 500; ++k) {
            QFile::remove(action.target + " closed monthly");
            QFile::remove(action.target + " closed ytd");
            action.prepare();
            dialogs.reset();
            const QByteArray before = fileBytes(action.target);
            const QByteArray untouched =
                action.untouched.isEmpty() ? QByteArray() : fileBytes(action.untouched);
            FileFaults::failAt(k, 61);
            action.act();
            const bool fired = FileFaults::operations() >= k;
            FileFaults::clear();
            const QByteArray after = fileBytes(action.target);
            EXPECT_TRUE(after == before || after == completed) << action.name << " k=" << k;
            EXPECT_EQ(action.untouched.isEmpty() ? QByteArray() : fileBytes(action.untouched),
                      untouched)
                << action.name << " k=" << k;
            EXPECT_EQ(temporaryFiles(), QStringList()) << action.name << " k=" << k;
            if (!fired) {
                EXPECT_EQ(after, completed) << action.name;
                EXPECT_TRUE(reported().isEmpty()) << action.name;
                EXPECT_GT(k, 2) << action.name << " wrote without a file operation";
                return;
            }
            EXPECT_TRUE(dialogs.messages().contains("Disk Full")) << action.name << " k=" << k;
        }
        ADD_FAILURE() << action.name << " never completed";
    }
};

TEST_F(FaultInjection, EveryWritingActionLeavesTheBooksWholeAtEachFailure) {
    const QString books = path("books.dat");
    const auto fresh = [&] {
        writeAccounts(books, smallChart());
        reselect(books);
    };
    const auto closing = [&](bool yearly) {
        return [&, yearly] {
            fresh();
            fillCompany();
            enterStatements();
            (void)yearly;
        };
    };
    const std::vector<Action> actions = {
        {"save",
         [&] {
             fresh();
             enterFresh(0);
             setText("txtAcctName", "Petty Cash");
         },
         [&] { click("cmdNext"); },
         books,
         {}},
        {"new",
         [&] {
             fresh();
             enterFresh(0);
         },
         [&] { click("cmdNew"); },
         books,
         {}},
        {"post",
         [&] {
             fresh();
             preparePosting(2, "250");
         },
         [&] { post(); },
         books,
         {}},
        {"delete",
         [&] {
             fresh();
             chooseRecord(3);
         },
         [&] { deleteShown(); },
         books,
         {}},
        {"monthly closing", closing(false), [&] { closeBooks(false); }, books + " closed monthly",
         books},
        {"yearly closing", closing(true), [&] { closeBooks(true); }, books + " closed ytd", books},
    };
    for (const Action& action : actions) {
        walk(action);
    }
}

} // namespace
