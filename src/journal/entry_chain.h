#pragma once
#include "journal/entry.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QString>
#include <cstdint>
#include <memory>

namespace folio::journal {

// The SHA-256 hash that seals an entry to every entry before it: the hash of the entry
// before (empty for the first) followed by the entry's own contents (number, kind, the
// time it was made and the date given, memo, user, the entry it reverses, and each line
// with its amounts and images) in one fixed, length-prefixed form. Changing, removing or
// reordering any entry changes the hash of every entry after it.
QByteArray chainedHash(const QByteArray& previous, const Entry& entry);

// The same hash taken a line at a time, for an entry too large to hold whole: `entry` gives
// the heading (its lines are not read), `lineCount` the number of lines added after.
// An entry kept as an image (Entry::image) is hashed over the image's bytes instead of its
// lines, in a form no entry of lines can take: constructed with the image's size, then each
// block of its bytes added in order. The image enters the chain as its BLAKE2b-256 digest,
// a cryptographic hash several times quicker than SHA-256 over the megabytes of large books.
class ChainHasher {
  public:
    struct ImageSize {
        std::int64_t bytes = 0;
    };
    ChainHasher(const QByteArray& previous, const Entry& entry, std::int64_t lineCount);
    ChainHasher(const QByteArray& previous, const Entry& entry, ImageSize size);
    ChainHasher(const ChainHasher&) = delete;
    ChainHasher& operator=(const ChainHasher&) = delete;
    ~ChainHasher();
    void add(const Line& line);
    void addBytes(QByteArrayView block);
    // The hash, taken once all is added (once only).
    QByteArray result() const;

  private:
    class CanonicalForm;
    CanonicalForm& heading(const QByteArray& previous, const Entry& entry);
    std::unique_ptr<CanonicalForm> form_;
    std::unique_ptr<QCryptographicHash> image_; // an image's digest, for an entry kept so
};

// The login name of the user running Folio ("" when the system cannot say).
QString loginName();

} // namespace folio::journal
