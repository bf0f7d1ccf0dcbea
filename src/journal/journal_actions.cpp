// Undo and Redo, and the closings.
#include "data/file_error.h"
#include "data/file_table.h"
#include "journal/books_journal.h"
#include <QFile>

namespace folio::journal {

namespace {

// Where a record of the books before an entry that removes or adds records is after it:
// the records from the first one it changes move up by those removed or down by those
// added. Empty when the record is one of those removed.
std::optional<int> movedBy(const Entry& entry, int record) {
    int first = 0;
    int removed = 0;
    for (const Line& line : entry.lines) {
        if (line.before != line.after && (first == 0 || line.record < first)) {
            first = line.record;
        }
        removed += (line.before ? 1 : 0) - (line.after ? 1 : 0);
    }
    if (first == 0 || record < first) {
        return record;
    }
    if (removed > 0 && record < first + removed) {
        return std::nullopt;
    }
    return record - removed;
}

QString closingStopsUndo() {
    return QStringLiteral("The books were closed since that change, so it cannot be taken back "
                          "or put back: the closed copy holds the books as they were closed.");
}

std::vector<Change> changesOf(const std::vector<Line>& lines) {
    std::vector<Change> changes;
    for (const Line& line : lines) {
        changes.push_back({line.record, line.after, line.debit, line.credit, line.moves});
    }
    return changes;
}

} // namespace

std::optional<Entry> BooksJournal::changeOf(std::int64_t seq) {
    std::optional<Entry> entry = store_.entry(seq);
    while (entry && entry->kind == EntryKind::Redo && entry->reversalOf) {
        const auto undo = store_.entry(*entry->reversalOf);
        entry = undo && undo->reversalOf ? store_.entry(*undo->reversalOf) : std::nullopt;
    }
    return entry;
}

bool BooksJournal::stands(std::int64_t seq) {
    for (std::int64_t change = seq;;) {
        const auto undo = store_.followedBy(change, EntryKind::Undo);
        if (!undo) {
            return true;
        }
        const auto redo = store_.followedBy(*undo, EntryKind::Redo);
        if (!redo) {
            return false;
        }
        change = *redo;
    }
}

std::optional<int> BooksJournal::recordNow(std::int64_t seq, int record) {
    std::optional<int> now = record;
    store_.scanApplied(
        [&now](const Entry& entry) {
            if (changesLength(entry) && !definesWholeFile(entry.kind)) {
                now = movedBy(entry, *now);
            }
            return now.has_value();
        },
        seq);
    return now;
}

QString BooksJournal::titleOf(std::int64_t seq) {
    const std::optional<Entry> change = changeOf(seq);
    return change ? kindTitle(change->kind) : QString();
}

QString BooksJournal::undoTitle() {
    return canUndo() ? titleOf(shape_.undo.doneTop) : QString();
}

QString BooksJournal::redoTitle() {
    const auto undone = canRedo() ? store_.entry(shape_.undo.undoneTop) : std::nullopt;
    return undone && undone->reversalOf ? titleOf(*undone->reversalOf) : QString();
}

std::int64_t BooksJournal::undo(BooksFile file) {
    refuseIfClosedWhole(); // closed books name their closing first
    if (undoStoppedByClosing()) {
        throw Refused(closingStopsUndo());
    }
    const auto done = canUndo() ? store_.entry(shape_.undo.doneTop) : std::nullopt;
    if (!done) {
        return 0;
    }
    const EntryNote note{done->date, QStringLiteral("Undo of entry %1").arg(done->seq)};
    return record(file, EntryKind::Undo, note, changesOf(oppositeLines(done->lines)), done->seq);
}

std::int64_t BooksJournal::redo(BooksFile file) {
    refuseIfClosedWhole(); // closed books name their closing first
    if (redoStoppedByClosing()) {
        throw Refused(closingStopsUndo());
    }
    const auto undone = canRedo() ? store_.entry(shape_.undo.undoneTop) : std::nullopt;
    if (!undone) {
        return 0;
    }
    const auto change = undone->reversalOf ? changeOf(*undone->reversalOf) : std::nullopt;
    const EntryNote note = change ? EntryNote{change->date, change->memo} : EntryNote{};
    return record(file, EntryKind::Redo, note, changesOf(oppositeLines(undone->lines)),
                  undone->seq);
}

void BooksJournal::writeClosedCopy(const QString& closedPath, const QString& fromPath,
                                   const QString& closingName,
                                   const std::vector<AccountRecord>& records,
                                   const CompanyValues& carried, const QDateTime& made,
                                   const QDate& closedThrough) {
    const QString journal = journalPathFor(closedPath);
    JournalStore store;
    // In its place before the closed copy is: a copy never stands beside a journal that
    // does not know it.
    store.buildInPlace(journal, [&] {
        Entry entry;
        entry.kind = EntryKind::ClosedFrom;
        entry.made = made;
        entry.date = closedThrough.isValid() ? closedThrough : made.toLocalTime().date();
        entry.memo =
            QStringLiteral("%1 of %2 on %3")
                .arg(closingName, fromPath, entry.made.toLocalTime().toString(Qt::ISODate));
        entry.image = imageOf(records); // a few blocks, not a row a record
        BooksShape shape{digestOfRecords(records), {}};
        PeriodLock lock;
        if (closedThrough.isValid()) { // statements without a date lock no period
            lock.closedThrough = closedThrough;
        }
        lock.closedFromEntry = 1; // the first entry of the new journal
        stagePeriodLock(store, lock);
        store.stage(QStringLiteral("company"), carried.name);
        store.stage(QStringLiteral("business"), carried.businessType);
        store.commit(entry, shape, 0);
    });
    // The new journal's first entry is finished here as an opening would finish it: the
    // closed copy written whole (a Folio stopped before the mark does it again), then the
    // entry marked applied. When that fails the closing did not happen, so its journal goes.
    try {
        FileTable::replaceWhole(closedPath, records, true);
        store.open(journal);
        store.markAppliedAndClose(1);
    } catch (const FileError&) {
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile::remove(journal + QLatin1String(suffix));
        }
        throw;
    }
}

} // namespace folio::journal
