#pragma once
#include "data/file_rewrite.h"
#include "data/refusal.h"
#include "journal/company_values.h"
#include "journal/entry.h"
#include "journal/file_image.h"
#include "journal/journal_reads.h"
#include "journal/journal_store.h"
#include "journal/period_lock.h"
#include "journal/posting_math.h"
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace folio::journal {

// A change the journal cannot make, with the words the user sees.
class Refused : public Refusal {
  public:
    using Refusal::Refusal;
};

// One record as a change leaves it: empty `after` removes it (the file ends before it).
struct Change {
    int record = 0;
    std::optional<AccountRecord> after;
    Money debit;
    Money credit;
    // Removes the record (empty `after`) or puts `after` in at it, the later ones moving.
    bool moves = false;
};

// The date and memo the user gave a change.
struct EntryNote {
    QDate date = QDate::currentDate();
    QString memo;
};

// What opening a journal found.
struct JournalOpening {
    bool started = false;        // the journal was new: it holds the opening balances
    bool changedOutside = false; // the file no longer matched: a new opening entry
    int finished = 0;            // changes finished from their after images
    bool chainStarted = false;   // entries written without hashes were sealed now
};

// The journal of one accounts file, kept beside it, and the one way Folio changes the
// file: every change is committed to the journal with the before and after image of each
// record, then written to the file, then marked applied. Opening finishes a change that
// was committed but not applied, so a crash at any moment loses nothing.
class BooksJournal {
  public:
    using Opened = JournalOpening;
    // Opens the journal of the books (creating it). Throws JournalUnusable for a journal
    // that is planted, damaged or of other books, and FileError when it cannot be opened or
    // a pending change cannot be finished; either way both files are left as they were.
    // `progress` follows the reading of the books into a new opening entry; when it stops
    // that, OpeningStopped is thrown and a journal this opening made is removed again.
    Opened open(BooksFile file, const Progress& progress = {});
    BooksJournal() = default;
    BooksJournal(const BooksJournal&) = delete;
    BooksJournal& operator=(const BooksJournal&) = delete;
    ~BooksJournal() = default;

    // Closes the journal; an abandonment that could not be recorded is tried once more.
    void close();
    bool isOpen() const { return store_.isOpen(); }
    JournalStore& store() { return store_; }

    // Records the changes as one entry and writes them: all records change or none. A
    // change that leaves a record as it was (and moves no amount) is left out; 0 when
    // nothing is left to record. Throws FileError; tookEffect() then says whether the file
    // holds the change all the same (a sync failed after the bytes were written).
    std::int64_t record(BooksFile file, EntryKind kind, const EntryNote& note,
                        const std::vector<Change>& changes,
                        std::optional<std::int64_t> reversalOf = std::nullopt);
    bool tookEffect() const { return tookEffect_; }

    // The changes that turn the file into exactly these records (a deletion, a rewrite).
    static std::vector<Change> wholeFile(const QByteArray& image,
                                         const std::vector<AccountRecord>& records);

    // Undo and Redo never reach past a closing: the closed copy holds the books as closed.
    bool canUndo() const { return shape_.undo.doneTop > closedAt_; }
    // The entry Undo would take back; 0 for none.
    std::int64_t undoTarget() const { return shape_.undo.doneTop; }
    bool canRedo() const { return shape_.undo.undoneTop > closedAt_; }
    // Whether Undo or Redo has a change left that lies before the latest closing.
    bool undoStoppedByClosing() const { return shape_.undo.doneTop != 0 && !canUndo(); }
    bool redoStoppedByClosing() const { return shape_.undo.undoneTop != 0 && !canRedo(); }
    // What Undo and Redo would take back or put back, for the menu ("Undo Posting").
    QString undoTitle();
    QString redoTitle();
    // Undo is dated as the entry it takes back; Redo as the change it puts back, with its
    // memo. Both throw Refused past a closing.
    std::int64_t undo(BooksFile file);
    std::int64_t redo(BooksFile file);

    // The change an entry stands for: a Redo stands for the change it put back.
    std::optional<Entry> changeOf(std::int64_t seq);
    // Whether the effect of a change stands: it was not taken back, or was put back again.
    bool stands(std::int64_t seq);
    // The record that `record` of entry `seq` is at now, through the later entries that
    // removed or added records before it; empty when it was removed.
    std::optional<int> recordNow(std::int64_t seq, int record);

    // A closing is recorded before its closed copy is written: beginClosing commits it
    // pending, endClosing marks it done or abandoned. One left pending by a crash is
    // settled at the next opening by the closed copy's journal: done when that journal
    // starts with this very closing (same moment `made`), abandoned otherwise. Without a
    // journal open these do nothing (0). Done, the closing locks these books whole (see
    // period_lock.h).
    std::int64_t beginClosing(const QString& closingName, const QString& closedPath,
                              const QDateTime& made, const QString& statementsDate = QString());
    void endClosing(std::int64_t seq, bool done);

    // What keeps these books, or a period of them, from change (see period_lock.h).
    const PeriodLock& periodLock() const { return lock_; }
    // Locks the books through a date: no entry may be dated on or before it. Throws
    // Refused when the date is not after the lock date in force.
    std::int64_t lockThrough(const QDate& through);
    // Opens the closed or locked period again, with the reason the user gives (required).
    std::int64_t reopen(const QString& reason);
    // Locks reopened books again by the closing that was reopened (once its changes were
    // carried into the closed copy).
    std::int64_t closeAgain(const QString& memo);
    // The books' bytes as the journal had them just before entry `seq`.
    QByteArray imageBefore(std::int64_t seq);

    // Writes a closed copy and its new journal, which starts with an entry saying which
    // file it was closed from, when and by which closing. Whatever journal the copy had
    // before is replaced. A crash part way leaves the old copy with its old journal, or
    // the new journal whose first entry writes the copy when it is next opened.
    static void writeClosedCopy(const QString& closedPath, const QString& fromPath,
                                const QString& closingName,
                                const std::vector<AccountRecord>& records,
                                const CompanyValues& carried,
                                const QDateTime& made = QDateTime::currentDateTimeUtc(),
                                const QDate& closedThrough = QDate());

    CompanyValues companyValues() { return companyValuesIn(store_); }
    void setCompanyValues(const CompanyValues& values);

  private:
    // Throws Refused when the lock forbids the change (the one check every change passes).
    void refuseIfLocked(const Entry& entry);
    // Throws Refused, naming the closing, when these books were closed whole.
    void refuseIfClosedWhole();
    // Records an entry that changes no record (a closing, a lock, a reopening) with the
    // lock it leaves.
    std::int64_t recordLock(Entry& entry, const PeriodLock& lock);
    // `built`: the journal was just made by buildFirst.
    Opened finishOpening(BooksFile file, const Progress& progress, bool built);
    // Makes the journal of books that had none at `path`: built beside it with the books'
    // opening entry and renamed into place whole, so that its one large entry is written
    // and synced once (a Folio stopped part way leaves only the file beside it).
    void buildFirst(BooksFile file, const QString& path, const Progress& progress);
    void settleClosing(const Entry& closing);
    // Commits the entry, writes it to the file and marks it applied; a write that fails is
    // rolled back there (and the entry abandoned) or, when it took effect, marked applied.
    // Without a journal open the entry goes straight to the file, all records or none.
    std::int64_t commitAndWrite(BooksFile file, Entry& entry, std::int64_t below, UndoState after);
    // Records the books as they are as a new opening entry.
    std::int64_t startOver(BooksFile file, const QString& memo, const Progress& progress = {});
    void markApplied(std::int64_t seq);
    QString titleOf(std::int64_t seq);

    // A change reported as failed whose abandonment the journal could not record (the
    // disk was full): tried again before anything else is recorded, when the journal is
    // closed and when it is opened again; it is never finished.
    struct Unrecorded {
        QString journal;
        std::int64_t seq = 0;
        BooksShape before;
    };
    void recordAbandonment();
    // Beside the journal, an empty file naming the change whose abandonment could not be
    // recorded, so that a later Folio abandons it too; abandonMarked does that at opening.
    static QString abandonMark(const QString& journal, std::int64_t seq);
    void leaveAbandonMark();
    void abandonMarked(const QString& journal);

    JournalStore store_;
    std::optional<Unrecorded> unrecorded_;
    BooksShape shape_;
    PeriodLock lock_;
    bool tookEffect_ = false;
    std::int64_t closedAt_ = 0; // the latest closing, which Undo and Redo do not pass
};

} // namespace folio::journal
