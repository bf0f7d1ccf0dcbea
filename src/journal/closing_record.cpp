#include "data/file_error.h"
#include "journal/books_journal.h"
#include "journal/journal_files.h"

namespace folio::journal {

namespace {

const QString kInto = QStringLiteral(" into ");

// The first entry of a closed copy's journal and how many it holds, read without writing.
struct CopyJournal {
    std::optional<Entry> first;
    std::int64_t count = 0;
};

std::optional<CopyJournal> readCopyJournal(const QString& closedPath) {
    const QString path = journalPathFor(closedPath);
    const JournalFiles files(path, false);
    if (!files.existed()) {
        return std::nullopt;
    }
    JournalStore store;
    store.openToRead(path, !files.hasLog());
    // Only what the first entry is: a closed copy's holds every record of the books.
    return CopyJournal{store.entry(1, false), store.entryCount()};
}

} // namespace

std::int64_t BooksJournal::beginClosing(const QString& closingName, const QString& closedPath,
                                        const QDateTime& made, const QString& statementsDate) {
    if (!store_.isOpen()) {
        return 0;
    }
    Entry entry;
    entry.kind = EntryKind::Closing;
    entry.made = made;
    entry.date = made.toLocalTime().date();
    entry.memo = closingName + kInto + closedPath;
    // The lock is kept with the closing's entry; it holds once the closing is done.
    PeriodLock lock = lock_;
    lock.closedWhole =
        ClosingLock{closingName, statementsDate, made, closedPath, store_.lastSeq() + 1};
    stagePeriodLock(store_, lock);
    BooksShape shape = shape_;
    store_.commit(entry, shape, 0, false, shape_.digest);
    return entry.seq;
}

void BooksJournal::endClosing(std::int64_t seq, bool done) {
    if (seq == 0 || !store_.isOpen()) {
        return;
    }
    if (done) {
        markApplied(seq);
        closedAt_ = seq; // Undo and Redo stop here
    } else {
        store_.abandon(seq);
    }
    lock_ = readPeriodLock(store_);
}

void BooksJournal::settleClosing(const Entry& closing) {
    const QString closedPath = closing.memo.section(kInto, 1);
    bool done = false;
    try {
        const auto copy = readCopyJournal(closedPath);
        done = copy && copy->first && copy->first->kind == EntryKind::ClosedFrom &&
               copy->first->made == closing.made;
    } catch (const JournalUnusable&) {
    } catch (const FileError&) {
    }
    if (done) {
        store_.markApplied(closing.seq);
        closedAt_ = std::max(closedAt_, closing.seq);
    } else {
        store_.abandon(closing.seq);
    }
}

QString closedCopyWork(const QString& closedPath) {
    std::optional<CopyJournal> copy;
    try {
        copy = readCopyJournal(closedPath);
    } catch (const JournalUnusable& unusable) {
        return QStringLiteral("its journal cannot be read (%1), so Folio cannot tell whether "
                              "work was done in it since it was closed")
            .arg(unusable.why());
    } catch (const FileError& error) {
        return QStringLiteral("its journal cannot be read (%1), so Folio cannot tell whether "
                              "work was done in it since it was closed")
            .arg(errorMessage(error.number()));
    }
    if (!copy || copy->count == 0) {
        return QString();
    }
    if (copy->first && copy->first->kind == EntryKind::ClosedFrom && copy->count == 1) {
        return QString();
    }
    return QStringLiteral("its journal holds %1 entries of its own made since it was closed, "
                          "which closing again would replace with the closed figures")
        .arg(copy->first && copy->first->kind == EntryKind::ClosedFrom ? copy->count - 1
                                                                       : copy->count);
}

} // namespace folio::journal
