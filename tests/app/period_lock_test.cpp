#include "journal/books_journal.h"
#include "support/books_fixture.h"
#include "support/sample_books.h"
#include "ui/qt_dialogs.h"
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

using folio::ui::Tab;

namespace {

class PeriodLock : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        std::vector<AccountRecord> records = serviceBooks();
        records.push_back(account("Petty Cash", "D1", "0")); // may be deleted
        books = openBooks(records);
        window->company() = {"Kestrow Supply Co.", "11/30/2026",
                             folio::statements::Business::Service, std::nullopt};
    }
    void trigger(const char* action) { find<QAction>(QLatin1String(action))->trigger(); }
    void closeMonthly() {
        BooksFixture::closeMonthly();
        selectFile(books);
    }
    // The books and every file of their journal, as they lie on the disk.
    QByteArray files() const {
        QByteArray all = fileBytes(books);
        for (const char* suffix : {".journal", ".journal-wal"}) {
            all += '|' + (QFile::exists(books + suffix) ? fileBytes(books + suffix) : "");
        }
        return all;
    }
    std::vector<std::pair<const char*, std::function<void()>>> writers() {
        return {
            {"posting", [this] { postOnTab(0, "25"); }},
            {"balanced entry",
             [this] {
                 window->journalMenu().postBalanced(
                     {QDate::currentDate(), "transfer"},
                     {{1, money("5"), Money()}, {3, Money(), money("5")}});
             }},
            {"setup edit",
             [this] {
                 showFresh(Tab::Setup);
                 const QString shown = text(QStringLiteral("txtCurrentBalance"));
                 setText(QStringLiteral("txtCurrentBalance"), QStringLiteral("999"));
                 click(QStringLiteral("cmdNext"));
                 setText(QStringLiteral("txtCurrentBalance"), shown); // as it was
             }},
            {"new account",
             [this] {
                 showFresh(Tab::Setup);
                 click(QStringLiteral("cmdNew")); // takes the blank record after the last
                 const QString shown = text(QStringLiteral("txtAcctName"));
                 setText(QStringLiteral("txtAcctName"), QStringLiteral("Postage"));
                 click(QStringLiteral("cmdPrevious"));
                 setText(QStringLiteral("txtAcctName"), shown);
             }},
            {"deletion",
             [this] {
                 showFresh(Tab::Setup);
                 for (std::size_t i = 0; i < serviceBooks().size(); ++i) {
                     click(QStringLiteral("cmdNext")); // to the account without a balance
                 }
                 dialogs.yesNoAnswers = {true};
                 click(QStringLiteral("cmdDelete"));
                 dialogs.yesNoAnswers.clear();
             }},
            {"undo", [this] { trigger("mnuUndo"); }},
            {"redo", [this] { trigger("mnuRedo"); }},
            {"reversal",
             [this] {
                 window->journalMenu().reverse(2, QStringLiteral("wrong"), QDate::currentDate());
             }},
        };
    }
    // Each writer but `skipped` writes not a byte, and says why in words holding all of `why`
    // (all but `maySayNothing`, which may say nothing).
    void expectEachRefused(const QStringList& why, const char* skipped = "",
                           const char* maySayNothing = "") {
        for (const auto& [name, write] : writers()) {
            if (qstrcmp(name, skipped) == 0) {
                continue;
            }
            showTab(Tab::Blank);
            const QByteArray before = files();
            const std::size_t shown = dialogs.shown.size();
            write();
            EXPECT_EQ(files(), before) << name;
            bool named = qstrcmp(name, maySayNothing) == 0;
            for (std::size_t i = shown; i < dialogs.shown.size(); ++i) {
                named = named || std::ranges::all_of(why, [&](const QString& words) {
                            return dialogs.shown[i].text.contains(words);
                        });
            }
            EXPECT_TRUE(named) << name << ": " << dialogs.messages().join('\n').toStdString();
        }
    }
    QString books;
};

TEST_F(PeriodLock, ClosedBooksRefuseEveryWriterAndWriteNothing) {
    window->journalMenu().postBalanced({QDate(2026, 11, 2), "rent"},
                                       {{1, money("40"), Money()}, {3, Money(), money("40")}});
    postOnTab(0, "10");
    postOnTab(1, "20");
    trigger("mnuUndo"); // so that Undo and Redo both have something to do
    closeMonthly();
    expectEachRefused({QStringLiteral("monthly closing of the statements dated 11/30/2026"),
                       QStringLiteral("Post in the closed copy, or reopen")});
    // Reading and exporting go on.
    dialogs.reset();
    dialogs.saveNames = {path(QStringLiteral("closed.csv"))};
    trigger("mnuExportBalanceSheet");
    EXPECT_TRUE(fileBytes(path(QStringLiteral("closed.csv"))).contains("Total Assets"))
        << dialogs.messages().join('\n').toStdString();
}

TEST_F(PeriodLock, LockDateRefusesDatedEntriesAndOffersTheDayAfter) {
    postOnTab(0, "10");
    const QDate today = QDate::currentDate();
    dialogs.inputAnswers.push_back(today.toString(QStringLiteral("M/d/yyyy")));
    trigger("mnuLockBooks");
    auto& journal = window->session();
    ASSERT_EQ(journal.periodLock().lockedThrough, today);
    // A new account has zero balances: always allowed (below). The day after, when
    // offered, is declined.
    expectEachRefused({QStringLiteral("locked through %1").arg(today.toString("M/d/yyyy"))},
                      "new account", "redo");
    // Dated the day after instead, as offered.
    dialogs.yesNoAnswers = {true};
    postOnTab(0, "7");
    const auto last = journal.journalStore().entry(journal.journalStore().lastSeq());
    EXPECT_EQ(last->date, today.addDays(1));
    EXPECT_EQ(last->lines[0].debit, money("7"));
    // A new account with zero balances and a new name are always allowed.
    showFresh(Tab::Setup);
    setText(QStringLiteral("txtAcctName"), QStringLiteral("Cash in bank"));
    click(QStringLiteral("cmdNew"));
    setText(QStringLiteral("txtAcctName"), QStringLiteral("Postage"));
    click(QStringLiteral("cmdPrevious"));
    EXPECT_EQ(readAccounts(books)[0].name, QStringLiteral("Cash in bank"));
    EXPECT_TRUE(std::ranges::any_of(readAccounts(books), [](const AccountRecord& r) {
        return r.name == QLatin1String("Postage");
    }));
    // The lock date only moves forward, until the period is reopened.
    dialogs.inputAnswers.push_back(today.addDays(-1).toString(QStringLiteral("M/d/yyyy")));
    trigger("mnuLockBooks");
    EXPECT_EQ(journal.periodLock().lockedThrough, today);
    dialogs.inputAnswers.push_back(QString());
    trigger("mnuReopenPeriod");
    EXPECT_EQ(journal.periodLock().lockedThrough, today);
    dialogs.inputAnswers.push_back(QStringLiteral("the rent was posted twice"));
    trigger("mnuReopenPeriod");
    EXPECT_FALSE(journal.periodLock().lockedThrough);
    const auto reopen = journal.journalStore().entry(journal.journalStore().lastSeq());
    EXPECT_EQ(reopen->kind, folio::journal::EntryKind::Reopen);
    EXPECT_EQ(reopen->memo, QStringLiteral("the rent was posted twice"));
    EXPECT_EQ(window->company().reopened,
              QStringLiteral("Reopened on %1 by %2: the rent was posted twice")
                  .arg(today.toString(QStringLiteral("M/d/yyyy")), reopen->user));
    postOnTab(0, "3", {}, {}, today.toString(QStringLiteral("M/d/yyyy")));
    EXPECT_EQ(journal.journalStore().entry(journal.journalStore().lastSeq())->date, today);
}

// The question's box on screen is named and its prompt tied to it.
TEST(PeriodQuestion, BoxIsNamedAndItsPromptTiedToIt) {
    QWidget page;
    page.show();
    folio::ui::QtDialogs dialogs;
    dialogs.setParent(&page);
    QString name;
    bool tied = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        auto* box = dialog->findChild<QLineEdit*>();
        name = box->accessibleName();
        tied = dialog->findChild<QLabel*>()->buddy() == box;
        box->setText(QStringLiteral("a missed invoice"));
        dialog->accept();
    });
    answer.start(20);
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("Why is the period reopened?"),
                               QStringLiteral("Reopen Period"), QString()),
              QStringLiteral("a missed invoice"));
    EXPECT_EQ(name, QStringLiteral("Reopen Period"));
    EXPECT_TRUE(tied);
}

} // namespace
