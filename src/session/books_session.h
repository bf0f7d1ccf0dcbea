#pragma once
#include "data/books.h"
#include "data/file_rewrite.h"
#include "journal/books_journal.h"
#include "journal/cash_flow_classes.h"
#include "session/books_lock.h"
#include "session/change_result.h"
#include "statements/company_info.h"
#include <QObject>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace folio::session {

// Who asked for a change: the shown tab follows its own changes itself, every other view
// is prepared again from the books; a change another client made to server books is shown
// where nothing typed is waiting.
enum class Origin { ShownTab, Elsewhere, OtherClient };

class ServerHome;

// Something opening the books' journal has to tell the user.
struct Notice {
    QString text;
    bool exclamation = false;
};

// What a change keeps beside its entry, in the same change (on server books, the same
// transaction): `check` may refuse (journal::Refused) before the entry is recorded; `keep`
// writes the records that go with the entry numbered `seq` into the journal.
struct Alongside {
    std::function<void(journal::JournalStore&)> check;
    std::function<void(journal::JournalStore&, std::int64_t seq)> keep;
};

// The selected books for one run of the window or a test: the accounts file and its
// handle, the kernel lock that keeps one Folio per file, the journal beside it and the
// company values kept in it. Every change of the books goes through here, and each one
// that reaches the file is followed by changed(). Without a journal (it cannot be opened,
// or the books are larger than it records) changes are written straight to the file, all
// records or none, and what needs the journal is refused with noJournalMessage().
class BooksSession : public QObject {
    Q_OBJECT
  public:
    BooksSession();
    ~BooksSession() override;

    Books& books() { return books_; }
    statements::CompanyInfo& company() { return company_; }
    BooksLock& lock() { return lock_; }
    bool hasJournal() const { return journal_.isOpen(); }
    // The journal's entries, for views and exports; only while hasJournal().
    journal::JournalStore& journalStore() { return journal_.store(); }
    static QString noJournalMessage();
    // How many times a change of the books was attempted this run, whether or not it
    // reached the file: what was computed from the books under the same count still holds.
    std::uint64_t changeCount() const { return changeCount_; }

    // Opens the journal of the books just selected (finishing a change a crash left
    // pending) and fills in the company values kept there; says what the user must know.
    // `progress` follows the making of a new opening entry; stopped, the books go on
    // without a journal and none is left beside them.
    std::vector<Notice> openJournal(const Progress& progress = {});
    // Makes books kept on a PostgreSQL server (postgresql://USER@HOST/DBNAME, #NAME for a set
    // other than "books") the selected books in place of those selected before. Every change
    // then goes to the server as one transaction. Throws server::ServerError, in words for
    // the user, when they cannot be opened; the books selected before then stay.
    void openServer(const QString& address);
    bool onServer() const { return server_ != nullptr; }
    // After a file was selected in place of server books: their connection and working copy
    // go (the file's journal is opened next).
    void leaveServer();
    // How the books are named to the user: the file's path, or the server's address.
    QString shownName() const;
    // The same for books beside them (a closed copy): for server books, the address of the
    // set of books of that name in the same database.
    QString shownNameOf(const QString& path) const;
    // Where a file made from the books (an export) is suggested: beside the books' file; for
    // server books, in the user's home folder under the name of the set of books.
    QString nearbyPath() const;
    // Where books beside these, named by the path a closing recorded, can be read now:
    // nothing for books in files (the path itself); for books on a server, a working copy
    // of the set of books of that name in the same database, brought up to date at each
    // call. A server that cannot be read is a Refusal with its words.
    std::function<QString(const QString&)> booksLocator();
    // The other sets of books of the same server database that were closed, by name (what
    // booksLocator() finds); empty for books in files. A server that cannot be read is a
    // Refusal with its words.
    QStringList closedBooksBeside();
    // Shows the books as the server holds them now when another client changed them;
    // true when it did (changed() told every view).
    bool followServer();

    // What the last opening of the journal found.
    const journal::BooksJournal::Opened& opening() const { return opening_; }
    // Keeps the company values, closes the journal, gives up the lock and the books.
    void release();
    // Keeps the company values in the journal (after the company tab was left).
    void keepCompanyValues();

    // Records the changes as one entry and writes them, all records or none.
    ChangeResult change(journal::EntryKind kind, const std::vector<journal::Change>& changes,
                        const journal::EntryNote& note = {}, Origin origin = Origin::Elsewhere);
    // A debit or a credit posted to one account (both, or neither, is refused); `blankSlot`
    // names a blank record written after the accounts with it (the posting tab keeps one).
    ChangeResult post(const journal::EntryNote& note, const journal::AmountLine& line,
                      std::optional<int> blankSlot = std::nullopt,
                      Origin origin = Origin::Elsewhere);
    // Several lines as one entry of `kind` (a balanced entry, a bank statement import),
    // refused unless the debits equal the credits; with what goes alongside the entry.
    ChangeResult postBalanced(const journal::EntryNote& note,
                              const std::vector<journal::AmountLine>& lines,
                              journal::EntryKind kind = journal::EntryKind::Balanced,
                              const Alongside& alongside = {});
    // The opposite amounts of a posting, balanced entry or import whose effect stands (the
    // entry itself or the Redo that put it back), on the accounts its records hold now; the
    // reason becomes the memo.
    ChangeResult reverse(std::int64_t seq, const QString& reason,
                         const QDate& date = QDate::currentDate());
    // Removes record `record` of `count`, the later ones moving up. Without a journal the
    // file is streamed into its replacement under `progress`; stopped, nothing changes.
    ChangeResult deleteAccount(int record, int count, const QString& name,
                               const Progress& progress = {}, Origin origin = Origin::Elsewhere);

    bool canUndo() const { return hasJournal() && journal_.canUndo(); }
    bool canRedo() const { return hasJournal() && journal_.canRedo(); }
    // What Undo and Redo would take back or put back ("Posting"); empty for nothing.
    QString undoTitle();
    QString redoTitle();
    // Whether Undo or Redo has a change left that lies before the latest closing, which
    // they do not pass (they are refused, saying why).
    bool undoStoppedByClosing() const { return hasJournal() && journal_.undoStoppedByClosing(); }
    bool redoStoppedByClosing() const { return hasJournal() && journal_.redoStoppedByClosing(); }
    // Nothing to take back (or put back) is neither recorded nor refused: tookEffect false.
    // Undo refuses an entry a line of which a reconciliation cleared (Reverse it instead).
    ChangeResult undo();
    ChangeResult redo();

    // The accounts' cash-flow classes kept in the journal; nothing without a journal or when
    // they were never checked. Keeping them is refused without a journal; the books' file is
    // not changed.
    std::optional<statements::CashFlowClasses> cashFlowClasses();
    ChangeResult keepCashFlowClasses(const statements::CashFlowClasses& classes);
    // Writes records the journal keeps beside its entries (bank rules, a reconciliation)
    // with `write`, which may refuse (journal::Refused); on server books they then go to the
    // server as one change, refused when another client changed the books first. Refused
    // without a journal; the books' file is not changed.
    ChangeResult keepRecords(const std::function<void(journal::JournalStore&)>& write);

    // Writes the closed copy with a journal of its own (carrying the cash-flow classes), then
    // records the closing in these books' journal when they have one. The books themselves are not
    // changed.
    ChangeResult close(const QString& closingName, const QString& closedPath,
                       const std::vector<AccountRecord>& records,
                       const QDate& closedThrough = QDate());

    // What keeps these books, or a period of them, from change (see period_lock.h).
    const journal::PeriodLock& periodLock() const { return journal_.periodLock(); }
    // Locks the books through a date; refused when it is not after the lock in force.
    ChangeResult lockThrough(const QDate& through);
    // Opens the closed or locked period again, with the reason the user gives.
    ChangeResult reopen(const QString& reason);
    // Carries the changes made in the reopened books since their reopening into the closed
    // copy their closing wrote, as one prior-period adjustment there, and closes these books
    // again; the result's seq is the entry's number in the copy's journal (0: the changes
    // leave the copy as it was). On a server both books change in one transaction.
    ChangeResult carryChanges();

    // The company values kept with books whose journal this run does not hold open (the
    // command line), read without writing anything beside the journal; empty when the books
    // have no journal. Throws journal::Refused when a change recorded there is not yet
    // written to the books (the values and the books may not agree), JournalUnusable for a
    // journal that cannot be used, and FileError.
    static journal::CompanyValues storedCompanyValues(const QString& booksPath);
    // The line under the statements' heading of such books reopened (see period_lock.h);
    // empty when they were not. Throws as storedCompanyValues does.
    static QString storedReopenedLine(const QString& booksPath);
    static QString journalPathFor(const QString& booksPath);

  signals:
    // The books changed (or may have: a change that failed after it reached the file).
    void changed(Origin origin);

  private:
    // Runs a step of the journal, turning its failure or refusal into the result.
    ChangeResult run(Origin origin, const std::function<std::int64_t()>& step,
                     bool repeatable = false);
    ChangeResult runHere(const std::function<std::int64_t()>& step);
    // Makes a change on the working copy of server books and sends it to the server; a
    // repeatable change (amounts added to what the accounts hold) is made again on the books
    // as the server holds them when another client changed them first.
    ChangeResult sendToServer(Origin origin, const std::function<ChangeResult()>& change,
                              bool repeatable, const QStringList& closedCopies = {},
                              const ServerHome* alongside = nullptr);
    // On server books, Undo takes back only the user's own changes: the words that say so
    // when the latest change is another's.
    std::optional<QString> changeOfAnother();
    // The working copy made again from the server; false when the server could not be read.
    bool refetch();
    ChangeResult closeHere(const QString& closingName, const QString& closedPath,
                           const std::vector<AccountRecord>& records, const QDate& closedThrough);
    std::vector<journal::Change> postedChanges(const std::vector<journal::AmountLine>& lines);
    journal::BooksFile file() { return journal::booksFile(books_); }

    Books books_;
    statements::CompanyInfo company_;
    BooksLock lock_;
    journal::BooksJournal journal_;
    journal::BooksJournal::Opened opening_;
    std::uint64_t changeCount_ = 0;
    std::unique_ptr<ServerHome> server_; // set while the books are on a server
    // Working copies of other sets of books of the same server, by name.
    std::map<QString, std::unique_ptr<ServerHome>> beside_;
};

} // namespace folio::session
