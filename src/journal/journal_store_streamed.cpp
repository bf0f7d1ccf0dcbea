// Entries that hold every record of the file, kept as the records' bytes in large blocks:
// the opening balances of large books are written as the file is read, never held whole.
#include "journal/alongside.h"
#include "journal/entry_chain.h"
#include "journal/journal_store.h"
#include <QFile>
#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <utility>

namespace folio::journal {

namespace {

// While such an entry is written into the log SQLite keeps up to 64 MiB of pages in memory,
// so that its pages reach the log once each, not again at every spill.
constexpr const char* kLargeCache = "PRAGMA cache_size=-65536";
constexpr const char* kUsualCache = "PRAGMA cache_size=-2000";

// While a journal is built, the system is asked now and then to start writing to the disk
// the pages SQLite has handed it, without waiting, so that the one sync at the end finds
// most of them there. Only advice: where it cannot be given, the sync does it all.
class EarlyWriteOut {
  public:
    explicit EarlyWriteOut(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)) {}
    EarlyWriteOut(const EarlyWriteOut&) = delete;
    EarlyWriteOut& operator=(const EarlyWriteOut&) = delete;
    ~EarlyWriteOut() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    void start() const {
        if (fd_ >= 0) {
            ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
        }
    }

  private:
    int fd_;
};

constexpr std::int64_t kBlocksBetweenWriteOuts = 8;

} // namespace

void JournalStore::putBlock(std::int64_t seq, std::int64_t block, QByteArrayView bytes) {
    cached("INSERT INTO blocks VALUES(?, ?, ?)")
        .bind(1, seq)
        .bind(2, block)
        .bindInPlace(3, bytes) // read once, straight into the pages
        .run();
}

void JournalStore::putImage(const Entry& entry) {
    const QByteArray& image = *entry.image;
    std::int64_t block = 0;
    // An empty image still has its one block: the block tells the form, not the lines.
    qsizetype at = 0;
    do {
        const qsizetype size = std::min<qsizetype>(kBlockBytes, image.size() - at);
        putBlock(entry.seq, ++block, QByteArrayView(image.constData() + at, size));
        at += size;
    } while (at < image.size());
}

void JournalStore::readImage(Entry& entry) {
    if (!hasBlocks_ || !definesWholeFile(entry.kind)) {
        return;
    }
    Statement& query = cached("SELECT bytes FROM blocks WHERE seq = ? ORDER BY block");
    query.bind(1, entry.seq);
    while (query.step()) {
        if (!entry.image) {
            entry.image.emplace();
        }
        *entry.image += query.blob(0).value_or(QByteArray());
    }
    query.reset();
    if (entry.image) {
        entry.lines = linesOfImage(*entry.image);
    }
}

void JournalStore::commitImage(Entry& entry, std::int64_t imageSize, const ImageFeed& feed,
                               const BooksShape& shape) {
    cached(syncLevel()).run();
    if (!building_) { // a journal being built writes its pages straight into its file
        db_.exec(kLargeCache);
    }
    struct UsualCache {
        Database& db;
        ~UsualCache() { db.tryExec(kUsualCache); }
    } usualCache{db_};
    Transaction transaction(db_);
    const std::map<QString, QString> staged = std::exchange(staged_, {});
    if (entry.user.isNull()) {
        entry.user = loginName();
    }
    Statement heading(db_, "INSERT INTO entries(made, date, memo, kind, status, user) "
                           "VALUES(?, ?, ?, ?, 1, ?)");
    heading.bind(1, entry.made.toUTC().toString(Qt::ISODateWithMs))
        .bind(2, entry.date.toString(Qt::ISODate))
        .bind(3, entry.memo)
        .bind(4, kindName(entry.kind))
        .bind(5, entry.user)
        .run();
    entry.seq = db_.lastInsertId();
    ChainHasher hasher(chainHead(), entry, ChainHasher::ImageSize{imageSize});
    std::int64_t block = 0;
    std::int64_t written = 0;
    const std::optional<EarlyWriteOut> writeOut =
        building_ ? std::make_optional<EarlyWriteOut>(db_.path()) : std::nullopt;
    const bool whole = feed([&](QByteArrayView bytes) {
        // The chain's digest of the bytes taken while SQLite stores them.
        runAlongside([&hasher, bytes] { hasher.addBytes(bytes); },
                     [&] { putBlock(entry.seq, ++block, bytes); });
        written += bytes.size();
        if (writeOut && block % kBlocksBetweenWriteOuts == 0) {
            writeOut->start();
        }
    });
    if (!whole || written != imageSize) {
        throw OpeningStopped(); // the transaction is rolled back: nothing of it stays
    }
    if (block == 0) {
        putBlock(entry.seq, ++block, {});
    }
    entry.hash = keepSeal(entry.seq, hasher.result());
    putShape(shape);
    for (const auto& [key, value] : staged) {
        setValue(key, value);
    }
    cached("INSERT OR REPLACE INTO books VALUES('pending', 0)").run();
    transaction.commit();
}

} // namespace folio::journal
