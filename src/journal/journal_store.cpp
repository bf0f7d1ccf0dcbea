#include "journal/journal_store.h"
#include "data/file_error.h"
#include "journal/entry_chain.h"
#include "journal/journal_files.h"
#include <QCryptographicHash>
#include <sqlite3.h>
#include <utility>

namespace folio::journal {

namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS entries(
    seq INTEGER PRIMARY KEY,
    made TEXT NOT NULL,
    date TEXT NOT NULL,
    memo TEXT NOT NULL DEFAULT '',
    kind TEXT NOT NULL,
    status INTEGER NOT NULL DEFAULT 1,
    reversal_of INTEGER REFERENCES entries(seq),
    below INTEGER NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS lines(
    seq INTEGER NOT NULL REFERENCES entries(seq),
    line INTEGER NOT NULL,
    record INTEGER NOT NULL,
    name TEXT NOT NULL,
    type TEXT NOT NULL,
    debit INTEGER NOT NULL,
    credit INTEGER NOT NULL,
    before BLOB,
    after BLOB,
    PRIMARY KEY(seq, line)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS lines_by_name ON lines(name, seq);
CREATE INDEX IF NOT EXISTS entries_reversing ON entries(reversal_of)
    WHERE reversal_of IS NOT NULL;
CREATE INDEX IF NOT EXISTS entries_closing ON entries(seq) WHERE kind = 'closing';
CREATE TABLE IF NOT EXISTS books(key TEXT PRIMARY KEY, value) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS blocks(
    seq INTEGER NOT NULL REFERENCES entries(seq),
    block INTEGER NOT NULL,
    bytes BLOB NOT NULL,
    PRIMARY KEY(seq, block));
)sql";

} // namespace

std::optional<QByteArray> storedImage(const std::optional<AccountRecord>& record) {
    return record ? std::optional<QByteArray>(record->encodeBytes()) : std::nullopt;
}

namespace {

std::optional<AccountRecord> imageRecord(const std::optional<QByteArray>& blob) {
    if (!blob) {
        return std::nullopt;
    }
    return AccountRecord::decodeBytes(*blob);
}

// A line that moves the records after it is stored under its record's number negated, a
// number no line of an older journal holds.
std::int64_t storedRecord(const Line& line) {
    return line.moves ? -std::int64_t{line.record} : line.record;
}

// A line of an entry from the row's columns `first` on: record, name, type, debit, credit,
// the image before and the image after.
Line lineFrom(const Statement& row, int first) {
    Line line;
    const std::int64_t record = row.integer(first);
    line.moves = record < 0;
    line.record = static_cast<int>(line.moves ? -record : record);
    line.name = row.text(first + 1);
    line.type = row.text(first + 2);
    line.debit = Money::fromRaw(row.integer(first + 3));
    line.credit = Money::fromRaw(row.integer(first + 4));
    line.before = imageRecord(row.blob(first + 5));
    line.after = imageRecord(row.blob(first + 6));
    return line;
}

Entry entryFrom(const Statement& row) {
    Entry entry;
    entry.seq = row.integer(0);
    entry.made = QDateTime::fromString(row.text(1), Qt::ISODateWithMs);
    entry.date = QDate::fromString(row.text(2), Qt::ISODate);
    entry.memo = row.text(3);
    entry.kind = kindFromName(row.text(4)).value_or(EntryKind::Posting);
    if (!row.isNull(5)) {
        entry.reversalOf = row.integer(5);
    }
    entry.user = row.text(6);
    entry.hash = row.blob(7).value_or(QByteArray());
    return entry;
}

constexpr const char* kEntryColumns =
    "SELECT seq, made, date, memo, kind, reversal_of, user, hash FROM entries ";

} // namespace

void JournalStore::open(const QString& path) {
    db_.open(path);
    checkOwnTables();
    // Small pages: a posting writes a few of them to the log, and the sync of each commit
    // is the cost of a change (set before the first table; an older journal keeps its own).
    db_.exec("PRAGMA page_size=1024");
    db_.exec("PRAGMA journal_mode=WAL");
    db_.exec("PRAGMA synchronous=FULL");
    // Fewer checkpoints: each syncs the log and the database once more.
    db_.exec("PRAGMA wal_autocheckpoint=8192");
    makeTables();
}

void JournalStore::makeTables() {
    // The tables all at once: a Folio killed while it makes them leaves none, not some.
    Transaction transaction(db_);
    db_.exec(kSchema);
    transaction.commit();
    hasBlocks_ = true;
    chainStarted_ = addChain();
}

void JournalStore::openToRead(const QString& path, bool fileAlone) {
    chainStarted_ = false;
    db_.openToRead(path, fileAlone);
    checkOwnTables();
    Statement blocks(db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'blocks'");
    hasBlocks_ = blocks.step();
}

void JournalStore::checkOwnTables() {
    if (const int code = db_.tryExec("SELECT count(*) FROM sqlite_master"); code != SQLITE_OK) {
        throw JournalUnusable(problemOfCode(code));
    }
    Statement tables(db_, "SELECT count(*) FROM sqlite_master");
    if (!tables.step() || tables.integer(0) == 0) {
        return; // a new journal
    }
    const auto foreign = [] {
        return JournalUnusable(QStringLiteral("it is a database, but not a journal of Folio's"));
    };
    int missing = 0;
    bool empty = true;
    for (const auto& [table, columns] :
         {std::pair{"entries", "SELECT seq, made, date, memo, kind, status, reversal_of, below "
                               "FROM entries LIMIT 0"},
          std::pair{"lines", "SELECT seq, line, record, name, type, debit, credit, before, after "
                             "FROM lines LIMIT 0"},
          std::pair{"books", "SELECT key, value FROM books LIMIT 0"}}) {
        Statement named(db_,
                        "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
        named.bind(1, QString::fromLatin1(table));
        if (!named.step() || named.integer(0) == 0) {
            ++missing;
            continue;
        }
        if (db_.tryExec(columns) != SQLITE_OK) {
            throw foreign();
        }
        // Whether it holds a row at all, not how many: a journal of years reads one row.
        const QByteArray any = QByteArray("SELECT EXISTS(SELECT 1 FROM ") + table + ")";
        Statement rows(db_, any.constData());
        empty = empty && rows.step() && rows.integer(0) == 0;
    }
    // Some of the tables and nothing in them is what a Folio stopped while it made them one
    // by one left behind: the journal is made anew over it.
    if (missing == 3 || (missing > 0 && !empty)) {
        throw foreign();
    }
}

void JournalStore::close() {
    statements_.clear();
    building_ = false;
    db_.close();
}

Statement& JournalStore::cached(const char* sql) {
    std::unique_ptr<Statement>& statement = statements_[sql];
    if (!statement) {
        statement = std::make_unique<Statement>(db_, sql);
    }
    statement->reset();
    return *statement;
}

QByteArray wholeFileDigestOf(const QByteArray& image) {
    return QCryptographicHash::hash(image, QCryptographicHash::Sha256);
}

void JournalStore::putShape(const BooksShape& shape) {
    Statement& put = cached("INSERT OR REPLACE INTO books VALUES(?, ?)");
    put.bind(1, QStringLiteral("sum")).bind(2, static_cast<std::int64_t>(shape.digest.sum)).run();
    put.bind(1, QStringLiteral("records")).bind(2, shape.digest.records).run();
    put.bind(1, QStringLiteral("done")).bind(2, shape.undo.doneTop).run();
    put.bind(1, QStringLiteral("undone")).bind(2, shape.undo.undoneTop).run();
}

void JournalStore::commit(Entry& entry, BooksShape& shape, std::int64_t below, bool applied,
                          const std::optional<BooksDigest>& beforeDigest) {
    // Every entry is committed with its sync, whatever the mark before it left behind.
    cached(syncLevel()).run();
    Transaction transaction(db_);
    const std::map<QString, QString> staged = std::exchange(staged_, {});
    if (entry.user.isNull()) {
        entry.user = loginName();
    }
    Statement& insert = cached("INSERT INTO entries(made, date, memo, kind, status, reversal_of, "
                               "below, user) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, entry.made.toUTC().toString(Qt::ISODateWithMs))
        .bind(2, entry.date.toString(Qt::ISODate))
        .bind(3, entry.memo)
        .bind(4, kindName(entry.kind))
        .bind(5, static_cast<std::int64_t>(Status::Applied))
        .bind(7, below)
        .bind(8, entry.user);
    if (entry.reversalOf) {
        insert.bind(6, *entry.reversalOf);
    }
    insert.run();
    entry.seq = db_.lastInsertId();
    for (std::int64_t* top : {&shape.undo.doneTop, &shape.undo.undoneTop}) {
        if (*top == kThisEntry) {
            *top = entry.seq;
        }
    }
    if (entry.image) {
        putImage(entry);
    } else {
        putLines(entry);
    }
    entry.hash = seal(entry);
    if (!applied) { // where Undo and Redo stood, should the entry be abandoned later
        const UndoState before = undoState();
        Statement& put = cached("INSERT OR REPLACE INTO books VALUES(?, ?)");
        put.bind(1, QStringLiteral("before_done")).bind(2, before.doneTop).run();
        put.bind(1, QStringLiteral("before_undone")).bind(2, before.undoneTop).run();
    }
    putShape(shape);
    if (!applied) { // a digest kept for an earlier entry never stands for this one
        Statement& put = cached("INSERT OR REPLACE INTO books VALUES(?, ?)");
        put.bind(1, QStringLiteral("before_sum"));
        beforeDigest ? put.bind(2, static_cast<std::int64_t>(beforeDigest->sum)) : put.bindNull(2);
        put.run();
        put.bind(1, QStringLiteral("before_records"));
        beforeDigest ? put.bind(2, beforeDigest->records) : put.bindNull(2);
        put.run();
    }
    for (const auto& [key, value] : staged) {
        setValue(key, value);
    }
    cached("INSERT OR REPLACE INTO books VALUES('pending', ?)")
        .bind(1, applied ? std::int64_t{0} : entry.seq)
        .run();
    transaction.commit();
}

void JournalStore::putLines(const Entry& entry) {
    Statement& line = cached("INSERT INTO lines VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int number = 0;
    for (const Line& each : entry.lines) {
        line.bind(1, entry.seq)
            .bind(2, ++number)
            .bind(3, storedRecord(each))
            .bind(4, each.name)
            .bind(5, each.type)
            .bind(6, each.debit.raw())
            .bind(7, each.credit.raw())
            .bind(8, storedImage(each.before))
            .bind(9, storedImage(each.after));
        line.run();
    }
}

void JournalStore::markApplied(std::int64_t seq) {
    cached("PRAGMA synchronous=NORMAL").run();
    // The level goes back on every path, a failed update (the journal busy) included.
    struct SyncedAgain {
        JournalStore& store;
        ~SyncedAgain() {
            try {
                store.cached("PRAGMA synchronous=FULL").run();
            } catch (const FileError&) {
                // The next commit sets it again before it writes.
            }
        }
    } syncedAgain{*this};
    cached("UPDATE books SET value = 0 WHERE key = 'pending' AND value = ?").bind(1, seq).run();
}

void JournalStore::abandon(std::int64_t seq, const BooksShape* shapeBefore) {
    Transaction transaction(db_);
    cached("UPDATE entries SET status = 2 WHERE seq = ?").bind(1, seq).run();
    cached("UPDATE books SET value = 0 WHERE key = 'pending' AND value = ?").bind(1, seq).run();
    if (shapeBefore != nullptr) {
        putShape(*shapeBefore);
    }
    transaction.commit();
}

void JournalStore::readLines(Entry& entry) {
    Statement query(db_, "SELECT record, name, type, debit, credit, before, after FROM lines "
                         "WHERE seq = ? ORDER BY line");
    query.bind(1, entry.seq);
    while (query.step()) {
        entry.lines.push_back(lineFrom(query, 0));
    }
    readImage(entry);
}

std::vector<Entry> JournalStore::pending() {
    std::vector<Entry> found;
    Statement query(db_, (QByteArray(kEntryColumns) + "WHERE status = 1 AND seq = (SELECT value "
                                                      "FROM books WHERE key = 'pending')")
                             .constData());
    while (query.step()) {
        found.push_back(entryFrom(query));
    }
    for (Entry& each : found) {
        readLines(each);
    }
    return found;
}

std::optional<Entry> JournalStore::entry(std::int64_t seq, bool withLines) {
    Statement query(db_, (QByteArray(kEntryColumns) + "WHERE seq = ?").constData());
    query.bind(1, seq);
    if (!query.step()) {
        return std::nullopt;
    }
    Entry found = entryFrom(query);
    if (withLines) {
        readLines(found);
    }
    return found;
}

std::optional<JournalStore::Status> JournalStore::status(std::int64_t seq) {
    Statement query(db_, "SELECT CASE WHEN status = 1 AND seq = (SELECT value FROM books WHERE "
                         "key = 'pending') THEN 0 ELSE status END FROM entries WHERE seq = ?");
    query.bind(1, seq);
    if (!query.step()) {
        return std::nullopt;
    }
    return static_cast<Status>(query.integer(0));
}

std::int64_t JournalStore::below(std::int64_t seq) {
    Statement query(db_, "SELECT below FROM entries WHERE seq = ?");
    query.bind(1, seq);
    return query.step() ? query.integer(0) : 0;
}

std::optional<std::int64_t> JournalStore::reversedBy(std::int64_t seq) {
    Statement query(db_, "SELECT seq FROM entries WHERE reversal_of = ? AND kind = 'reversal' "
                         "AND status = 1 LIMIT 1");
    query.bind(1, seq);
    if (!query.step()) {
        return std::nullopt;
    }
    return query.integer(0);
}

std::optional<std::int64_t> JournalStore::followedBy(std::int64_t seq, EntryKind kind) {
    Statement query(db_, "SELECT seq FROM entries WHERE reversal_of = ? AND kind = ? "
                         "AND status = 1 LIMIT 1");
    query.bind(1, seq).bind(2, kindName(kind));
    if (!query.step()) {
        return std::nullopt;
    }
    return query.integer(0);
}

std::int64_t JournalStore::lastOf(EntryKind kind) {
    // The kind written into the query, so that the index of closings serves it.
    const QByteArray sql = "SELECT coalesce(max(seq), 0) FROM entries WHERE kind = '" +
                           kindName(kind).toLatin1() + "' AND status = 1";
    Statement query(db_, sql.constData());
    query.step();
    return query.integer(0);
}

std::int64_t JournalStore::lastSeq() {
    Statement query(db_, "SELECT coalesce(max(seq), 0) FROM entries");
    query.step();
    return query.integer(0);
}

std::int64_t JournalStore::entryCount() {
    Statement query(db_, "SELECT count(*) FROM entries");
    query.step();
    return query.integer(0);
}

bool JournalStore::scanApplied(const std::function<bool(const Entry&)>& each, std::int64_t after) {
    return scan("WHERE e.status = 1 AND e.seq > ? ", after,
                [&each](const Entry& entry, Status) { return each(entry); });
}

bool JournalStore::scan(const char* where, std::int64_t after,
                        const std::function<bool(const Entry&, Status)>& each) {
    const QByteArray sql =
        QByteArray("SELECT e.seq, e.made, e.date, e.memo, e.kind, e.reversal_of, e.user, e.hash, "
                   "e.status, l.record, l.name, l.type, l.debit, l.credit, l.before, l.after "
                   "FROM entries e LEFT JOIN lines l ON l.seq = e.seq ") +
        where + "ORDER BY e.seq, l.line";
    Statement query(db_, sql.constData());
    query.bind(1, after);
    std::optional<Entry> current;
    Status status = Status::Applied;
    while (query.step()) {
        if (!current || current->seq != query.integer(0)) {
            if (current && !each(*current, status)) {
                return false;
            }
            current = entryFrom(query);
            readImage(*current);
            status = static_cast<Status>(query.integer(8));
        }
        if (!query.isNull(9)) {
            current->lines.push_back(lineFrom(query, 9));
        }
    }
    return !current || each(*current, status);
}

std::int64_t JournalStore::appliedCount() {
    Statement query(db_, "SELECT count(*) FROM entries WHERE status = 1");
    query.step();
    return query.integer(0);
}

UndoState JournalStore::undoState() {
    UndoState state;
    Statement query(db_, "SELECT key, value FROM books WHERE key IN ('done', 'undone')");
    while (query.step()) {
        (query.text(0) == QLatin1String("done") ? state.doneTop : state.undoneTop) =
            query.integer(1);
    }
    return state;
}

BooksShape JournalStore::shapeBeforePending() {
    BooksShape shape{digest(true).value_or(BooksDigest{}), {}};
    Statement query(db_, "SELECT key, value FROM books WHERE key IN ('before_done', "
                         "'before_undone')");
    while (query.step()) {
        (query.text(0) == QLatin1String("before_done") ? shape.undo.doneTop
                                                       : shape.undo.undoneTop) = query.integer(1);
    }
    return shape;
}

std::optional<BooksDigest> JournalStore::digest(bool beforePending) {
    std::optional<BooksDigest> digest;
    const QString sum = beforePending ? QStringLiteral("before_sum") : QStringLiteral("sum");
    const QString records =
        beforePending ? QStringLiteral("before_records") : QStringLiteral("records");
    Statement query(db_, "SELECT key, value FROM books WHERE key IN (?, ?) AND value IS NOT NULL");
    query.bind(1, sum).bind(2, records);
    int found = 0;
    while (query.step()) {
        if (!digest) {
            digest.emplace();
        }
        ++found;
        if (query.text(0) == sum) {
            digest->sum = static_cast<std::uint64_t>(query.integer(1));
        } else {
            digest->records = query.integer(1);
        }
    }
    return found == 2 ? digest : std::nullopt;
}

QByteArray JournalStore::wholeFileDigest() {
    Statement query(db_, "SELECT value FROM books WHERE key = 'digest'");
    return query.step() ? query.blob(0).value_or(QByteArray()) : QByteArray();
}

QString JournalStore::value(const QString& key) {
    Statement query(db_, "SELECT value FROM books WHERE key = ?");
    query.bind(1, key);
    return query.step() ? query.text(0) : QString();
}

void JournalStore::setValue(const QString& key, const QString& value) {
    Statement put(db_, "INSERT OR REPLACE INTO books VALUES(?, ?)");
    put.bind(1, key).bind(2, value).run();
}

} // namespace folio::journal
