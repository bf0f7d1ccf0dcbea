#pragma once
#include "journal/books_digest.h"
#include "journal/entry.h"
#include "journal/sqlite_db.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace folio::journal {

// Where Undo and Redo stand: the latest change that Undo takes back and the latest undo
// that Redo puts back (0 when there is none).
struct UndoState {
    std::int64_t doneTop = 0;
    std::int64_t undoneTop = 0;
    bool operator==(const UndoState&) const = default;
};

// What the journal expects of the books after every committed entry: the digest of the
// file and where Undo and Redo stand.
struct BooksShape {
    BooksDigest digest;
    UndoState undo;
};

// Thrown when the user stops the making of a journal entry (a long first opening).
class OpeningStopped : public std::exception {};

// The journal of an accounts file, kept beside it.
inline QString journalPathOf(const QString& booksPath) {
    return booksPath + QStringLiteral(".journal");
}

// A line's image as the journal stores it: the record's bytes, or NULL for none.
std::optional<QByteArray> storedImage(const std::optional<AccountRecord>& record);

// The digest an older journal kept of the file's bytes (SHA-256 of the whole file).
QByteArray wholeFileDigestOf(const QByteArray& image);

// The journal database: entries, their lines with before and after images, and a few
// values about the books. Entries are never changed once written, except that one that
// never reached the books is marked abandoned. The entry committed but not yet applied is
// named in the books table, so marking it applied writes a single page.
class JournalStore {
  public:
    enum class Status { Pending = 0, Applied = 1, Abandoned = 2 };

    // Opens (creating when missing) the database at `path`. Throws JournalUnusable for
    // a file that is not a journal of Folio's or is damaged, FileError otherwise.
    void open(const QString& path);
    // Makes a new database at `path` (no file there) to be filled and then put in place
    // whole: nothing is logged or synced while it is filled, and a build stopped part way
    // is thrown away by its maker. finishBuilding syncs it once.
    void build(const QString& path);
    // Syncs the database made by build, leaves it logging its later changes as open() does,
    // and closes it.
    void finishBuilding();
    // Builds the database at `path` whole beside it (`fill` writes it through this store),
    // then puts it in place with its folder synced. A build stopped part way, now or
    // earlier, leaves nothing behind.
    void buildInPlace(const QString& path, const std::function<void()>& fill);
    // Marks the pending entry applied and closes, neither syncing the mark nor folding the
    // log into the database: a crash may lose the mark (the entry is finished again at the
    // next opening, which changes nothing), and the log's checksums never let a torn write
    // of it count.
    void markAppliedAndClose(std::int64_t seq);
    // Opens the database only to read it (see Database::openToRead).
    void openToRead(const QString& path, bool fileAlone = false);
    void close();
    bool isOpen() const { return db_.isOpen(); }
    // Whether the journal can hold entries kept as an image (one of an older Folio opened to
    // read cannot).
    bool keepsImages() const { return hasBlocks_; }
    Database& database() { return db_; }

    // Stands in an UndoState for the entry being committed.
    static constexpr std::int64_t kThisEntry = -1;

    // Adds an entry (pending unless `applied`), with the books' shape once it is applied,
    // in one synced transaction; `below` is the change under it on its Undo or Redo stack.
    // Sets the entry's seq and puts it in place of kThisEntry in the shape. A pending entry
    // keeps `beforeDigest`, the digest of the books it is begun on.
    void commit(Entry& entry, BooksShape& shape, std::int64_t below, bool applied = false,
                const std::optional<BooksDigest>& beforeDigest = std::nullopt);
    // The bytes of an entry kept as an image (see Entry::image) handed over a block at a
    // time to `add`; false when stopped early.
    using ImageFeed = std::function<bool(const std::function<void(QByteArrayView)>& add)>;
    // Commits an applied entry without Undo (opening balances) kept as an image of
    // `imageSize` bytes that come from `feed` as they are read, never all held at once, with
    // the books' shape after it. Throws OpeningStopped, with nothing written, when the feed
    // stops early.
    void commitImage(Entry& entry, std::int64_t imageSize, const ImageFeed& feed,
                     const BooksShape& shape);
    // The most bytes of an image one stored block holds.
    static constexpr qsizetype kBlockBytes = qsizetype{1} << 20;
    // Marks the pending entry applied; the mark is not synced on its own (an entry left
    // pending by a crash is finished again from its after images, which changes nothing).
    void markApplied(std::int64_t seq);
    // Marks an entry abandoned and puts the shape back as it was before it.
    void abandon(std::int64_t seq, const BooksShape& shapeBefore) { abandon(seq, &shapeBefore); }
    // Marks an entry abandoned that never changed the books' shape (a closing).
    void abandon(std::int64_t seq) { abandon(seq, nullptr); }

    std::vector<Entry> pending();
    // An entry, with its lines unless only what it is and when it was made is asked for.
    std::optional<Entry> entry(std::int64_t seq, bool withLines = true);
    std::optional<Status> status(std::int64_t seq);
    // The entry under `seq` on its stack.
    std::int64_t below(std::int64_t seq);
    // The entry that reverses `seq` with the Reversal kind, if any.
    std::optional<std::int64_t> reversedBy(std::int64_t seq);
    // The applied entry of that kind that refers to `seq` (the Undo that took it back, the
    // Redo that put an undo back), if any.
    std::optional<std::int64_t> followedBy(std::int64_t seq, EntryKind kind);
    // The newest applied entry of that kind (0 for none).
    std::int64_t lastOf(EntryKind kind);
    std::int64_t entryCount();
    // The number of the newest entry (0 for none).
    std::int64_t lastSeq();

    // Every applied entry with its lines, oldest first (those after `after`), handed one at
    // a time to `each` until it returns false; false when stopped that way.
    bool scanApplied(const std::function<bool(const Entry&)>& each, std::int64_t after = 0);
    // Every entry whatever its status (as stored: a pending one reads as applied), oldest
    // first, the same way.
    bool scanAll(const std::function<bool(const Entry&, Status)>& each) {
        return scan("WHERE e.seq > ? ", 0, each);
    }
    std::int64_t appliedCount();

    // Where Undo and Redo stand and the digest of the books, as last committed or (with
    // `beforePending`) as the pending change found them; an older journal has only the
    // whole-file digest.
    UndoState undoState();
    std::optional<BooksDigest> digest(bool beforePending = false);
    // The shape as the pending change found it, to put back when it is abandoned.
    BooksShape shapeBeforePending();
    QByteArray wholeFileDigest();
    QString value(const QString& key);
    void setValue(const QString& key, const QString& value);
    // A value to write with the next entry committed, in its transaction (empty: none).
    void stage(const QString& key, const QString& value) { staged_[key] = value; }

    // Whether opening sealed the entries of a journal written without hashes: the chain
    // of hashes starts there (see entry_chain.h).
    bool chainStarted() const { return chainStarted_; }
    // The hash of the newest entry and its number, as last committed (empty, 0 for none).
    QByteArray chainHead();
    std::int64_t chainHeadSeq();

  private:
    bool scan(const char* where, std::int64_t after,
              const std::function<bool(const Entry&, Status)>& each);
    // Adds the user and hash columns to a journal written without them, sealing the
    // entries it holds; true when there were entries to seal.
    bool addChain();
    // Hashes a committed entry onto the chain and makes it the head.
    QByteArray seal(const Entry& entry);
    // Makes `hash`, taken over entry `seq`, its seal and the head of the chain.
    QByteArray keepSeal(std::int64_t seq, const QByteArray& hash);
    void abandon(std::int64_t seq, const BooksShape* shapeBefore);
    void checkOwnTables();
    void readLines(Entry& entry);
    // An entry kept as an image gets it, and its lines from it.
    void readImage(Entry& entry);
    void putImage(const Entry& entry);
    void putLines(const Entry& entry);
    void putBlock(std::int64_t seq, std::int64_t block, QByteArrayView bytes);
    void putShape(const BooksShape& shape);
    // A statement prepared once and kept, reset and ready for its bindings.
    Statement& cached(const char* sql);
    // The level a commit is synced at: none while the database is built.
    const char* syncLevel() const {
        return building_ ? "PRAGMA synchronous=OFF" : "PRAGMA synchronous=FULL";
    }
    // Makes the tables that are missing, all at once.
    void makeTables();

    Database db_;
    std::map<const char*, std::unique_ptr<Statement>> statements_;
    bool chainStarted_ = false;
    bool hasBlocks_ = false; // a journal of an older Folio opened to read has no blocks
    bool building_ = false;  // see build()
    std::map<QString, QString> staged_;
};

} // namespace folio::journal
