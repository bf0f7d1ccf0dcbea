#include "journal/books_verifier.h"
#include "data/file_error.h"
#include "journal/books_journal.h"
#include "journal/entry_chain.h"
#include "journal/file_image.h"
#include <QFile>
#include <QFileInfo>

namespace folio::journal {

namespace {

// The first record of the entry whose before image the replayed books do not hold.
std::optional<int> unlikeBefore(const QByteArray& image, const Entry& entry) {
    if (definesWholeFile(entry.kind)) {
        return std::nullopt;
    }
    for (const Line& line : entry.lines) {
        const bool putIn = line.moves && !line.before; // in place of a record, or just past the end
        const qsizetype size = static_cast<qsizetype>(RecordLayout::kRecordSize);
        if (putIn ? static_cast<qsizetype>(line.record - 1) * size > image.size()
                  : recordAt(image, line.record) != line.before) {
            return line.record;
        }
    }
    return std::nullopt;
}

// The first record at which two images of the books differ.
int firstDifference(const QByteArray& a, const QByteArray& b) {
    const qsizetype size = static_cast<qsizetype>(RecordLayout::kRecordSize);
    qsizetype at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) {
        ++at;
    }
    return static_cast<int>(at / size) + 1;
}

// Walks the entries in order, checking each; stops at the first that does not hold.
class Replay {
  public:
    explicit Replay(Verification& result) : result_(result) {}

    bool take(const Entry& entry, JournalStore::Status status) {
        if (entry.seq != last_ + 1) {
            return fail(QStringLiteral("entry %1 is missing").arg(last_ + 1));
        }
        if (entry.hash.isEmpty()) {
            return fail(QStringLiteral("entry %1 has no hash").arg(entry.seq));
        }
        head_ = chainedHash(head_, entry);
        if (head_ != entry.hash) {
            return fail(
                QStringLiteral("entry %1 was changed after it was recorded").arg(entry.seq));
        }
        last_ = entry.seq;
        ++result_.entries;
        if (status == JournalStore::Status::Applied) {
            if (const auto record = unlikeBefore(image_, entry)) {
                return fail(QStringLiteral("entry %1 does not follow from the entries before "
                                           "it (record %2)")
                                .arg(entry.seq)
                                .arg(*record));
            }
            image_ = applied(image_, entry);
        }
        return true;
    }
    bool fail(const QString& problem) {
        result_.problem = problem;
        return false;
    }

    std::int64_t last() const { return last_; }
    const QByteArray& head() const { return head_; }
    const QByteArray& image() const { return image_; }

  private:
    Verification& result_;
    QByteArray head_;
    QByteArray image_;
    std::int64_t last_ = 0;
};

// The books file as Folio reads it (each record decoded and written again).
QByteArray booksImage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileError(QFileInfo::exists(path) ? 70 : 53);
    }
    const QByteArray raw = file.readAll();
    QByteArray image = imageOf(recordsOf(raw));
    image.truncate(raw.size());
    return image;
}

} // namespace

Verification verifyBooks(const QString& booksPath) {
    Verification result;
    const QString journalPath = journalPathFor(booksPath);
    try {
        const QByteArray books = booksImage(booksPath);
        if (!QFileInfo::exists(journalPath)) {
            result.problem = QStringLiteral("there is no journal (%1)").arg(journalPath);
            return result;
        }
        JournalStore store;
        store.openToRead(journalPath);
        Replay replay(result);
        try {
            if (!store.scanAll([&replay](const Entry& entry, JournalStore::Status status) {
                    return replay.take(entry, status);
                })) {
                return result;
            }
        } catch (const FileError&) {
            // A journal without the columns of the chain: written before entries were hashed.
            result.problem = QStringLiteral("the journal has no hashes yet; select the books in "
                                            "Folio once to start them");
            return result;
        }
        if (store.chainHeadSeq() != replay.last() || store.chainHead() != replay.head()) {
            result.problem = store.chainHeadSeq() > replay.last()
                                 ? QStringLiteral("entry %1 is missing").arg(replay.last() + 1)
                                 : QStringLiteral("the journal's last entry should be %1, not %2")
                                       .arg(store.chainHeadSeq())
                                       .arg(replay.last());
            return result;
        }
        if (replay.image() != books) {
            result.problem = QStringLiteral("the books file differs from the journal at record "
                                            "%1 (after entry %2): it was changed outside Folio")
                                 .arg(firstDifference(replay.image(), books))
                                 .arg(replay.last());
            return result;
        }
    } catch (const FileError& error) {
        result.problem = errorMessage(error.number());
        return result;
    }
    result.held = true;
    return result;
}

QString verificationReport(const QString& booksPath, const Verification& verification) {
    return verification.held
               ? QStringLiteral("verified: %1 entries\n").arg(verification.entries)
               : QStringLiteral("folio: %1: %2\n").arg(booksPath, verification.problem);
}

} // namespace folio::journal
