// The changes the user asks of the journal by name: postings, balanced entries,
// reversals, Undo and Redo, and the closings.
#include "data/file_error.h"
#include "data/file_table.h"
#include "journal/books_journal.h"
#include "posting/posting_rules.h"
#include <QFile>
#include <map>

namespace folio::journal {

namespace {

// The changes that give each line's record the balances after its debit and credit,
// reading each record as the earlier lines left it.
std::vector<Change> postedChanges(BooksFile file, const std::vector<AmountLine>& lines) {
    std::map<int, AccountRecord> working;
    std::vector<Change> changes;
    const int count = file.files.recordCount(file.number);
    for (const AmountLine& line : lines) {
        if (line.record < 1 || line.record > count) {
            throw Refused(QStringLiteral("There is no account at record %1.").arg(line.record));
        }
        if (!working.contains(line.record)) {
            working[line.record] = file.files.get(file.number, line.record);
        }
        AccountRecord& account = working[line.record];
        if (!posting::PostingRules::canPost(account.type)) {
            throw Refused(posting::PostingRules::cannotPostMessage(account));
        }
        try {
            account.setBalances(posting::PostingRules::posted(account.balances(), account.type,
                                                              line.debit, line.credit));
        } catch (const MoneyOverflow&) {
            throw Refused(posting::PostingRules::amountTooLargeMessage());
        }
        changes.push_back({line.record, working[line.record], line.debit, line.credit});
    }
    return changes;
}

// Where an account of an earlier entry stands now: at its old number when the name there
// is still the same, else at the first record of that name.
std::optional<int> recordNow(const QByteArray& image, const Line& line) {
    const auto same = [&line](const std::optional<AccountRecord>& held) {
        return held && held->name == line.name;
    };
    if (same(recordAt(image, line.record))) {
        return line.record;
    }
    for (int record = 1; recordAt(image, record); ++record) {
        if (same(recordAt(image, record))) {
            return record;
        }
    }
    return std::nullopt;
}

std::vector<Change> changesOf(const std::vector<Line>& lines) {
    std::vector<Change> changes;
    for (const Line& line : lines) {
        changes.push_back({line.record, line.after, line.debit, line.credit});
    }
    return changes;
}

} // namespace

std::int64_t BooksJournal::post(BooksFile file, const EntryNote& note, const AmountLine& line) {
    return record(file, EntryKind::Posting, note, postedChanges(file, {line}));
}

std::int64_t BooksJournal::postBalanced(BooksFile file, const EntryNote& note,
                                        const std::vector<AmountLine>& lines) {
    if (const auto problem = balanceProblem(lines)) {
        throw Refused(*problem);
    }
    std::vector<AmountLine> cents = lines;
    for (AmountLine& line : cents) {
        line.debit = line.debit.roundedToCents();
        line.credit = line.credit.roundedToCents();
    }
    return record(file, EntryKind::Balanced, note, postedChanges(file, cents));
}

std::int64_t BooksJournal::reverse(BooksFile file, std::int64_t seq, const QString& reason,
                                   const QDate& date) {
    if (reason.trimmed().isEmpty()) {
        throw Refused(QStringLiteral("Give the reason for the reversal."));
    }
    const std::optional<Entry> reversed = store_.entry(seq);
    if (!reversed ||
        (reversed->kind != EntryKind::Posting && reversed->kind != EntryKind::Balanced)) {
        throw Refused(QStringLiteral("Only a posting or a balanced entry can be reversed."));
    }
    if (store_.status(seq) != JournalStore::Status::Applied) {
        throw Refused(QStringLiteral("This entry never reached the books."));
    }
    if (const auto by = store_.reversedBy(seq)) {
        throw Refused(
            QStringLiteral("Entry %1 was reversed already by entry %2.").arg(seq).arg(*by));
    }
    if (store_.takenBack(seq)) {
        throw Refused(QStringLiteral("Entry %1 was taken back with Undo.").arg(seq));
    }
    const QByteArray image = readImage(file);
    std::vector<AmountLine> opposite;
    for (const Line& line : reversed->lines) {
        if (line.debit.isZero() && line.credit.isZero()) {
            continue;
        }
        const std::optional<int> now = recordNow(image, line);
        if (!now) {
            throw Refused(
                QStringLiteral("The account %1 is no longer in the books.").arg(line.name));
        }
        opposite.push_back({*now, line.credit, line.debit});
    }
    return record(file, EntryKind::Reversal, {date, reason.trimmed()},
                  postedChanges(file, opposite), seq);
}

QString BooksJournal::titleOf(std::int64_t seq) {
    // A redo stands for the change it put back.
    std::optional<Entry> entry = store_.entry(seq);
    while (entry && entry->kind == EntryKind::Redo && entry->reversalOf) {
        const auto undo = store_.entry(*entry->reversalOf);
        entry = undo && undo->reversalOf ? store_.entry(*undo->reversalOf) : std::nullopt;
    }
    return entry ? kindTitle(entry->kind) : QString();
}

QString BooksJournal::undoTitle() {
    return canUndo() ? titleOf(shape_.undo.doneTop) : QString();
}

QString BooksJournal::redoTitle() {
    const auto undone = canRedo() ? store_.entry(shape_.undo.undoneTop) : std::nullopt;
    return undone && undone->reversalOf ? titleOf(*undone->reversalOf) : QString();
}

std::int64_t BooksJournal::undo(BooksFile file) {
    const auto done = canUndo() ? store_.entry(shape_.undo.doneTop) : std::nullopt;
    if (!done) {
        return 0;
    }
    const EntryNote note{QDate::currentDate(), QStringLiteral("Undo of entry %1").arg(done->seq)};
    return record(file, EntryKind::Undo, note, changesOf(oppositeLines(done->lines)), done->seq);
}

std::int64_t BooksJournal::redo(BooksFile file) {
    const auto undone = canRedo() ? store_.entry(shape_.undo.undoneTop) : std::nullopt;
    if (!undone) {
        return 0;
    }
    const EntryNote note{QDate::currentDate(),
                         QStringLiteral("Redo of entry %1").arg(undone->reversalOf.value_or(0))};
    return record(file, EntryKind::Redo, note, changesOf(oppositeLines(undone->lines)),
                  undone->seq);
}

void BooksJournal::writeClosedCopy(const QString& closedPath, const QString& fromPath,
                                   const QString& closingName,
                                   const std::vector<AccountRecord>& records,
                                   const CompanyValues& carried, const QDate& closedThrough) {
    const QString journal = pathFor(closedPath);
    const QString temporary = journal + QStringLiteral(".TMP");
    const auto removeTemporary = [&temporary] {
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile::remove(temporary + QLatin1String(suffix));
        }
    };
    removeTemporary(); // what an interrupted closing left
    try {
        JournalStore store;
        store.open(temporary);
        Entry entry;
        entry.kind = EntryKind::ClosedFrom;
        entry.made = QDateTime::currentDateTimeUtc();
        entry.date = closedThrough;
        entry.memo =
            QStringLiteral("%1 of %2 on %3")
                .arg(closingName, fromPath, entry.made.toLocalTime().toString(Qt::ISODate));
        for (std::size_t i = 0; i < records.size(); ++i) {
            entry.lines.push_back(lineFor(static_cast<int>(i) + 1, std::nullopt, records[i]));
        }
        BooksShape shape{imageOf(records), {}};
        PeriodLock lock;
        lock.closedThrough = closedThrough;
        lock.closedFromEntry = 1; // the first entry of the new journal
        stagePeriodLock(store, lock);
        store.commit(entry, shape, 0);
        store.setValue(QStringLiteral("company"), carried.name);
        store.setValue(QStringLiteral("business"), carried.businessType);
        store.database().exec("PRAGMA journal_mode=DELETE");
        store.close();
        QFile::remove(journal + QStringLiteral("-wal"));
        QFile::remove(journal + QStringLiteral("-shm"));
        FileTable::rename(temporary, journal);
    } catch (const FileError&) {
        removeTemporary(); // nothing of the new journal stays behind
        throw;
    }
    // Opening the new journal finishes its first entry: the closed copy is written whole.
    // When that fails the closing did not happen, so its journal goes too.
    try {
        FileTable files;
        files.open(1, closedPath);
        BooksJournal copy;
        copy.open({files, 1, closedPath});
    } catch (const FileError&) {
        for (const char* suffix : {"", "-wal", "-shm"}) {
            QFile::remove(journal + QLatin1String(suffix));
        }
        throw;
    }
}

} // namespace folio::journal
