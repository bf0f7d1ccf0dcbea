// The lock of the books in the journal: the check every change passes, and the entries
// that close, lock and reopen a period.
#include "journal/books_journal.h"
#include "journal/entry_chain.h"

namespace folio::journal {

namespace {

bool zeroBalances(const std::optional<AccountRecord>& record) {
    return !record || (record->current.isZero() && record->ytd.isZero());
}

// Whether an entry only names or adds accounts: a new account with zero balances, or a
// record whose name alone changed.
bool movesNoAmount(const Entry& entry) {
    for (const Line& line : entry.lines) {
        // A zero-balance account may take any type; one with balances keeps its own.
        const bool renamed = line.before && line.after &&
                             line.before->balances() == line.after->balances() &&
                             (line.before->type == line.after->type || zeroBalances(line.before));
        const bool added = !line.before && zeroBalances(line.after);
        if (!(entry.kind == EntryKind::SetupEdit && renamed) &&
            !(entry.kind == EntryKind::NewAccount && added)) {
            return false;
        }
    }
    return true;
}

Entry lockEntry(EntryKind kind, const QDate& date, const QString& memo) {
    Entry entry;
    entry.kind = kind;
    entry.made = QDateTime::currentDateTimeUtc();
    entry.date = date;
    entry.memo = memo;
    return entry;
}

} // namespace

void BooksJournal::refuseIfLocked(const Entry& entry) {
    ChangeAsked asked{entry.kind, entry.date, movesNoAmount(entry), 0, QDate()};
    if (entry.reversalOf && store_.isOpen()) {
        asked.takesBack = *entry.reversalOf;
        // The change Undo takes back, or Redo (through the undo it takes back) puts back.
        std::optional<std::int64_t> change = entry.reversalOf;
        if (entry.kind == EntryKind::Redo) {
            const auto undo = store_.entry(*change);
            change = undo ? undo->reversalOf : std::nullopt;
        }
        if (const auto original = change ? changeOf(*change) : std::nullopt) {
            asked.takesBack = original->seq;
            asked.takesBackDate = original->date;
        }
    }
    if (const auto refusal = lockRefusal(lock_, asked)) {
        throw Refused(refusal->words, refusal->offered);
    }
}

void BooksJournal::refuseIfClosedWhole() {
    if (lock_.closedWhole) {
        throw Refused(lockRefusal(lock_, {})->words);
    }
}

std::int64_t BooksJournal::recordLock(Entry& entry, const PeriodLock& lock) {
    stagePeriodLock(store_, lock);
    BooksShape shape = shape_;
    store_.commit(entry, shape, 0, true);
    lock_ = lock;
    if (entry.kind == EntryKind::Closing) {
        closedAt_ = entry.seq;
    }
    return entry.seq;
}

std::int64_t BooksJournal::lockThrough(const QDate& through) {
    if (!through.isValid()) {
        throw Refused(QStringLiteral("Give the date through which the books are locked."));
    }
    if (const auto refusal = lockDateRefusal(lock_, through)) {
        throw Refused(*refusal);
    }
    Entry entry = lockEntry(EntryKind::Lock, through,
                            QStringLiteral("Books locked through %1").arg(lockDateText(through)));
    PeriodLock lock = lock_;
    lock.lockedThrough = through;
    return recordLock(entry, lock);
}

std::int64_t BooksJournal::reopen(const QString& reason) {
    if (reason.trimmed().isEmpty()) {
        throw Refused(QStringLiteral("Give the reason for reopening the period."));
    }
    if (!lock_.closedWhole && !lock_.lockedThrough) {
        throw Refused(
            lock_.closedThrough
                ? QStringLiteral("These books start where a closing left off, through %1. To "
                                 "change that period, reopen the books it was closed from.")
                      .arg(lockDateText(*lock_.closedThrough))
                : QStringLiteral("These books are not closed or locked: there is nothing to "
                                 "reopen."));
    }
    Entry entry = lockEntry(EntryKind::Reopen, QDate::currentDate(), reason.trimmed());
    entry.user = loginName();
    PeriodLock lock = lock_;
    lock.reopened =
        Reopening{entry.made, entry.user, entry.memo, lock_.closedWhole, store_.lastSeq() + 1};
    lock.closedWhole.reset();
    lock.lockedThrough.reset();
    return recordLock(entry, lock);
}

std::int64_t BooksJournal::closeAgain(const QString& memo) {
    if (!lock_.reopened || !lock_.reopened->closing) {
        throw Refused(QStringLiteral("These books were not reopened from a closing."));
    }
    Entry entry = lockEntry(EntryKind::Closing, QDate::currentDate(), memo);
    PeriodLock lock = lock_;
    lock.closedWhole = lock_.reopened->closing;
    return recordLock(entry, lock);
}

QByteArray BooksJournal::imageBefore(std::int64_t seq) {
    QByteArray image;
    store_.scanApplied([&image, seq](const Entry& entry) {
        if (entry.seq >= seq) {
            return false;
        }
        image = applied(image, entry);
        return true;
    });
    return image;
}

} // namespace folio::journal
