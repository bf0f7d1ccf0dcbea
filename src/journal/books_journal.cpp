#include "journal/books_journal.h"
#include "data/file_error.h"
#include "data/file_io.h"
#include "data/file_table.h"
#include "journal/alongside.h"
#include "journal/journal_binding.h"
#include "journal/journal_files.h"
#include <QDir>
#include <QFileInfo>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace folio::journal {

namespace {

constexpr std::int64_t kSize = static_cast<std::int64_t>(RecordLayout::kRecordSize);

// The one rollback of a change whose writing failed: the records it wrote over get their
// images back where they can (a rewrite that failed before its rename left the file as it
// was; after it, the handle is opened again on the new file), and what the file then holds
// is said. Whatever stays half done is finished or abandoned at the next opening.
PatchState rolledBack(BooksFile file, const RecordPatch& patch) {
    try {
        if (patch.rewrite || !file.files.isOpen(file.number)) {
            file.files.close(file.number);
            file.files.open(file.number, file.path);
        }
        restorePatch(file.files, file.number, patch);
    } catch (const FileError&) {
    }
    try {
        return patchStateOf(file.files, file.number, patch);
    } catch (const FileError&) {
        return PatchState::Neither;
    }
}

// A record written past the end of the file leaves blank records between (the file
// layer writes zero bytes there, a whole-file rewrite blank records): each gets its line,
// so the entry says exactly what the file holds after it and Undo takes it all back.
void addGapLines(Entry& entry, int existing) {
    int highest = existing;
    for (const Line& line : entry.lines) {
        if (line.after) {
            highest = std::max(highest, line.record);
        }
    }
    if (highest <= existing + 1) {
        return; // no gap: nothing to mark, whatever the size of the books
    }
    // The records past the end only: a posting costs nothing that grows with the books.
    const auto past = [existing](int record) {
        return static_cast<std::size_t>(record - existing);
    };
    std::vector<bool> named(past(highest) + 1);
    for (const Line& line : entry.lines) {
        if (line.record > existing && line.record <= highest) {
            named[past(line.record)] = true;
        }
    }
    for (int record = existing + 1; record < highest; ++record) {
        if (!named[past(record)]) {
            entry.lines.push_back(lineFor(record, std::nullopt, AccountRecord{}));
        }
    }
}

Entry newEntry(EntryKind kind, const EntryNote& note, std::optional<std::int64_t> reversalOf) {
    Entry entry;
    entry.kind = kind;
    entry.made = QDateTime::currentDateTimeUtc();
    entry.date = note.date.isValid() ? note.date : QDate::currentDate();
    entry.memo = note.memo;
    entry.reversalOf = reversalOf;
    return entry;
}

// A change the user was told had failed, whose abandonment the journal cannot record.
JournalUnusable unmarkable(std::int64_t seq, const FileError& error) {
    return JournalUnusable(QStringLiteral("the change reported as failed before (entry %1) "
                                          "cannot be marked there as abandoned (%2), and Folio "
                                          "never finishes a change it said had failed")
                               .arg(seq)
                               .arg(errorMessage(error.number())));
}

} // namespace

QString journalPathFor(const QString& booksPath) {
    return resolvedBooks(booksPath) + QStringLiteral(".journal");
}

BooksJournal::Opened BooksJournal::open(BooksFile file, const Progress& progress) {
    close();
    const QString path = journalPathFor(file.path);
    const JournalFiles files(path, true);
    try {
        const bool built = !files.existed();
        if (built) {
            buildFirst(file, path, progress);
        }
        if (files.hasLog()) {
            checkLogBelongs(path);
        }
        store_.open(path);
        abandonMarked(path);
        if (unrecorded_ && unrecorded_->journal == path) {
            try {
                recordAbandonment();
            } catch (const FileError& error) {
                throw unmarkable(unrecorded_->seq, error);
            }
        }
        return finishOpening(file, progress, built);
    } catch (...) {
        if (store_.isOpen() && files.hasLog()) {
            store_.database().keepLogOnClose(); // a log it found is left as it was
        }
        store_.close();
        files.removeCreated();
        throw;
    }
}

void BooksJournal::close() {
    if (store_.isOpen()) {
        try {
            recordAbandonment();
        } catch (const FileError&) {
        }
    }
    store_.close();
    lock_ = {};
}

void BooksJournal::recordAbandonment() {
    if (!unrecorded_ || !store_.isOpen() || unrecorded_->journal != store_.database().path()) {
        return;
    }
    store_.abandon(unrecorded_->seq, unrecorded_->before);
    QFile::remove(abandonMark(unrecorded_->journal, unrecorded_->seq));
    unrecorded_.reset();
}

QString BooksJournal::abandonMark(const QString& journal, std::int64_t seq) {
    return journal + QStringLiteral("-abandoned-") + QString::number(seq);
}

void BooksJournal::leaveAbandonMark() {
    // An empty file needs no free block, so it is made where the journal could not be
    // written; without it a Folio stopped now would finish the change at the next opening.
    const QByteArray mark = QFile::encodeName(abandonMark(unrecorded_->journal, unrecorded_->seq));
    const int fd =
        ::open(mark.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        try {
            syncFolderOf(unrecorded_->journal);
        } catch (const FileError&) {
        }
    }
}

void BooksJournal::abandonMarked(const QString& journal) {
    const QFileInfo info(journal);
    const QString prefix = info.fileName() + QStringLiteral("-abandoned-");
    for (const QString& name :
         info.dir().entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::System)) {
        bool number = false;
        const std::int64_t seq = name.mid(prefix.size()).toLongLong(&number);
        if (!number) {
            continue;
        }
        if (store_.status(seq) == JournalStore::Status::Pending) {
            try {
                store_.abandon(seq, store_.shapeBeforePending());
            } catch (const FileError& error) {
                throw unmarkable(seq, error);
            }
        }
        QFile::remove(info.dir().filePath(name));
    }
}

BooksJournal::Opened BooksJournal::finishOpening(BooksFile file, const Progress& progress,
                                                 bool built) {
    Opened opened;
    opened.started = built;
    opened.chainStarted = store_.chainStarted();
    const QString books = resolvedBooks(file.path);
    const QString owner = store_.value(QStringLiteral("books"));
    // A new journal has nothing to check the books against: they are read once, into its
    // opening entry.
    const bool fresh = owner.isEmpty() && store_.lastSeq() == 0;
    QByteArray image = fresh || built ? QByteArray() : readImage(file);
    const auto keptMatches = [this](const QByteArray& bytes) {
        const std::optional<BooksDigest> kept = store_.digest();
        return kept ? *kept == digestOfImage(bytes)
                    : wholeFileDigestOf(bytes) == store_.wholeFileDigest();
    };
    if (!owner.isEmpty() && owner != books && (!store_.pending().empty() || !keptMatches(image))) {
        throw JournalUnusable(QStringLiteral("it belongs to other books (%1)").arg(owner));
    }
    for (const Entry& entry : store_.pending()) {
        if (reachesPastEnd(entry, image.size())) {
            throw JournalUnusable(
                QStringLiteral("it holds an unfinished change (entry %1) to a record past the "
                               "end of these books, which Folio never writes")
                    .arg(entry.seq));
        }
        // Finished only over the books it was begun on. Books written over since then are
        // not changed by it; the entry is abandoned and the books are taken as changed
        // outside Folio.
        if (entry.kind == EntryKind::Closing) {
            settleClosing(entry);
            continue;
        }
        const std::optional<BooksDigest> begun = store_.digest(true);
        if (!definesWholeFile(entry.kind) && !begunOn(image, entry, begun)) {
            store_.abandon(entry.seq, {BooksDigest{}, store_.undoState()});
            continue;
        }
        if (movesRecords(entry) && digestOfImage(image) != begun) {
            syncFolderOf(file.path); // renamed into place already: made durable
        } else {
            writeEntry(file, patchOf(entry, file.files.length(file.number)));
        }
        markApplied(entry.seq);
        ++opened.finished;
        image = readImage(file);
    }
    // A journal just built took the books' digest as it read them.
    shape_ = {fresh   ? BooksDigest{}
              : built ? shape_.digest
                      : digestOfImage(image),
              store_.undoState()};
    lock_ = readPeriodLock(store_);
    closedAt_ = store_.lastOf(EntryKind::Closing);
    if (store_.lastSeq() == 0) {
        startOver(file, QStringLiteral("Opening balances"), progress);
        opened.started = true;
    } else if (!built && !keptMatches(image)) {
        startOver(file, QStringLiteral("Opening balances: the books were changed outside Folio"),
                  progress);
        opened.changedOutside = true;
    }
    if (owner != books) {
        store_.setValue(QStringLiteral("books"), books);
    }
    renewGeneration(store_);
    return opened;
}

std::int64_t BooksJournal::startOver(BooksFile file, const QString& memo,
                                     const Progress& progress) {
    Entry entry = newEntry(EntryKind::Opening, {QDate::currentDate(), memo}, std::nullopt);
    const std::int64_t length = file.files.length(file.number);
    const int count = static_cast<int>((length + kSize - 1) / kSize);
    BooksShape shape;
    // The records as Folio reads them, a chunk at a time: the entry is written as the file is
    // read, a block a chunk, never held whole, and the digest is taken on the way.
    QByteArray block;
    const auto feed = [&](const std::function<void(QByteArrayView)>& add) {
        return file.files.scanChunks(
            file.number, count,
            [&](int first, std::span<const RecordBytes> records) {
                block.resize(static_cast<qsizetype>(records.size()) * kSize);
                auto* into = reinterpret_cast<RecordBytes*>(block.data());
                for (std::size_t i = 0; i < records.size(); ++i) {
                    const int record = first + static_cast<int>(i);
                    into[i] = record == count && length % kSize != 0
                                  ? heldAs(records[i], length).encode()
                                  : RecordFields::asWritten(records[i]);
                }
                // The digest taken while the block is stored.
                runAlongside(
                    [&] {
                        shape.digest.addRun(first, {into, records.size()});
                    },
                    [&] { add(block); });
                shape.digest.records += static_cast<std::int64_t>(records.size());
                return true;
            },
            progress);
    };
    store_.commitImage(entry, std::int64_t{count} * kSize, feed, shape);
    shape_ = shape;
    return entry.seq;
}

std::int64_t BooksJournal::record(BooksFile file, EntryKind kind, const EntryNote& note,
                                  const std::vector<Change>& changes,
                                  std::optional<std::int64_t> reversalOf) {
    Entry entry = newEntry(kind, note, reversalOf);
    const std::int64_t length = file.files.length(file.number);
    std::map<int, std::optional<AccountRecord>> touched;
    for (const Change& change : changes) {
        if (change.moves) { // removed or put in, the later records moving
            std::optional<AccountRecord> removed;
            if (!change.after && change.record >= 1 && (change.record - 1) * kSize < length) {
                removed = file.files.get(file.number, change.record);
            }
            if (change.after || removed) {
                entry.lines.push_back(lineFor(change.record, removed, change.after));
                entry.lines.back().moves = true;
            }
            continue;
        }
        std::optional<AccountRecord> before;
        if (const auto earlier = touched.find(change.record); earlier != touched.end()) {
            before = earlier->second;
        } else if (change.record >= 1 && (change.record - 1) * kSize < length) {
            before = file.files.get(file.number, change.record);
        }
        touched[change.record] = change.after;
        if (before == change.after && change.debit.isZero() && change.credit.isZero()) {
            continue;
        }
        entry.lines.push_back(
            lineFor(change.record, before, change.after, change.debit, change.credit));
    }
    addGapLines(entry, static_cast<int>((length + kSize - 1) / kSize));
    refuseIfLocked(entry);
    std::int64_t below = 0;
    UndoState after = shape_.undo;
    switch (kind) {
    case EntryKind::Undo:
        below = shape_.undo.undoneTop;
        after = {store_.below(shape_.undo.doneTop), JournalStore::kThisEntry};
        break;
    case EntryKind::Redo:
        below = shape_.undo.doneTop;
        after = {JournalStore::kThisEntry, store_.below(shape_.undo.undoneTop)};
        break;
    case EntryKind::Closing:
        break;
    default:
        if (entry.lines.empty()) {
            tookEffect_ = false;
            return 0;
        }
        if (isUndoable(kind)) {
            below = shape_.undo.doneTop;
            after = {JournalStore::kThisEntry, 0};
        } else {
            after = {};
        }
    }
    return commitAndWrite(file, entry, below, after);
}

std::int64_t BooksJournal::commitAndWrite(BooksFile file, Entry& entry, std::int64_t below,
                                          UndoState after) {
    tookEffect_ = false;
    const RecordPatch patch = patchOf(entry, file.files.length(file.number));
    const bool recorded = store_.isOpen(); // without a journal: straight to the file
    const BooksShape before = shape_;
    // A record removed or put in: the file is written whole beside itself first, and the
    // digest of the records that move is taken on that one pass, before the entry is kept.
    std::optional<StagedRewrite> staged;
    BooksShape next{recorded && movesRecords(entry) ? shape_.digest.afterMoveOf(file, patch)
                                                    : shape_.digest.after(entry),
                    after};
    if (patch.rewrite && movesRecords(entry)) {
        const auto moved = [&next](int from, int to, std::span<const RecordBytes> records) {
            next.digest.moved(from, to, records);
        };
        staged.emplace(file.files, file.number, file.path, patch,
                       recorded ? StagedRewrite::Moved(moved) : StagedRewrite::Moved());
    }
    if (recorded) {
        recordAbandonment();
        store_.commit(entry, next, below, false, before.digest);
        shape_ = next;
    }
    try {
        staged ? staged->commit() : writeEntry(file, patch);
    } catch (const FileError&) {
        const PatchState state = rolledBack(file, patch);
        tookEffect_ = state == PatchState::After;
        if (recorded && tookEffect_) {
            markApplied(entry.seq);
        } else if (recorded && state == PatchState::Before) {
            // The user is told the change failed: it must never be finished later.
            unrecorded_ = Unrecorded{store_.database().path(), entry.seq, before};
            shape_ = before;
            try {
                recordAbandonment();
            } catch (const FileError&) {
                leaveAbandonMark();
            }
        }
        throw;
    }
    tookEffect_ = true;
    if (!recorded) {
        return 0;
    }
    markApplied(entry.seq);
    return entry.seq;
}

void BooksJournal::markApplied(std::int64_t seq) {
    // The mark need not reach the disk at once, so it costs no sync: an entry left
    // unmarked by a crash is written again from its after images, which changes nothing.
    try {
        store_.markApplied(seq);
    } catch (const FileError&) {
    }
}

std::vector<Change> BooksJournal::wholeFile(const QByteArray& image,
                                            const std::vector<AccountRecord>& records) {
    std::vector<Change> changes;
    const std::vector<AccountRecord> held = recordsOf(image);
    const std::size_t count = std::max(held.size(), records.size());
    for (std::size_t i = 0; i < count; ++i) {
        Change change;
        change.record = static_cast<int>(i) + 1;
        if (i < records.size()) {
            change.after = records[i];
        }
        changes.push_back(change);
    }
    return changes;
}

CompanyValues companyValuesIn(JournalStore& store) {
    return {store.value(QStringLiteral("company")), store.value(QStringLiteral("date")),
            store.value(QStringLiteral("business"))};
}

void BooksJournal::setCompanyValues(const CompanyValues& values) {
    Transaction transaction(store_.database());
    store_.setValue(QStringLiteral("company"), values.name);
    store_.setValue(QStringLiteral("date"), values.statementsDate);
    store_.setValue(QStringLiteral("business"), values.businessType);
    transaction.commit();
}

} // namespace folio::journal
