#include "journal/entry_chain.h"
#include <QCryptographicHash>
#include <QtEndian>
#include <pwd.h>
#include <unistd.h>

namespace folio::journal {

// Writes each value in a form that cannot be mistaken for another: numbers as eight
// little-endian bytes, texts and images with their length first.
class ChainHasher::CanonicalForm {
  public:
    CanonicalForm() : hash_(QCryptographicHash::Sha256) {}
    CanonicalForm& number(std::int64_t value) {
        char bytes[8];
        qToLittleEndian(value, bytes);
        hash_.addData(QByteArrayView(bytes, 8));
        return *this;
    }
    CanonicalForm& bytes(const QByteArray& value) {
        number(value.size());
        hash_.addData(value);
        return *this;
    }
    CanonicalForm& text(const QString& value) { return bytes(value.toUtf8()); }
    CanonicalForm& image(const std::optional<AccountRecord>& record) {
        if (!record) {
            return number(-1);
        }
        const RecordBytes encoded = record->encode();
        return bytes(QByteArray(reinterpret_cast<const char*>(encoded.data()),
                                static_cast<qsizetype>(encoded.size())));
    }
    QByteArray result() const { return hash_.result(); }

  private:
    QCryptographicHash hash_;
};

ChainHasher::CanonicalForm& ChainHasher::heading(const QByteArray& previous, const Entry& entry) {
    return form_->bytes(previous)
        .number(entry.seq)
        .text(kindName(entry.kind))
        .text(entry.made.toUTC().toString(Qt::ISODateWithMs))
        .text(entry.date.toString(Qt::ISODate))
        .text(entry.memo)
        .text(entry.user)
        .number(entry.reversalOf.value_or(-1));
}

ChainHasher::ChainHasher(const QByteArray& previous, const Entry& entry, std::int64_t lineCount)
    : form_(std::make_unique<CanonicalForm>()) {
    heading(previous, entry).number(lineCount);
}

ChainHasher::ChainHasher(const QByteArray& previous, const Entry& entry, ImageSize size)
    : form_(std::make_unique<CanonicalForm>()),
      image_(std::make_unique<QCryptographicHash>(QCryptographicHash::Blake2b_256)) {
    // No count of lines is negative: -1 marks the image, its length and its digest follow.
    heading(previous, entry).number(-1).number(size.bytes);
}

ChainHasher::~ChainHasher() = default;

void ChainHasher::add(const Line& line) {
    form_->number(line.moves ? -std::int64_t{line.record} : line.record)
        .text(line.name)
        .text(line.type)
        .number(line.debit.raw())
        .number(line.credit.raw())
        .image(line.before)
        .image(line.after);
}

void ChainHasher::addBytes(QByteArrayView block) {
    image_->addData(block);
}

QByteArray ChainHasher::result() const {
    if (image_) {
        return form_->bytes(image_->result()).result();
    }
    return form_->result();
}

QByteArray chainedHash(const QByteArray& previous, const Entry& entry) {
    if (entry.image) {
        ChainHasher hasher(previous, entry, ChainHasher::ImageSize{entry.image->size()});
        hasher.addBytes(*entry.image);
        return hasher.result();
    }
    ChainHasher hasher(previous, entry, static_cast<std::int64_t>(entry.lines.size()));
    for (const Line& line : entry.lines) {
        hasher.add(line);
    }
    return hasher.result();
}

QString loginName() {
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr) {
        return QString::fromLocal8Bit(entry->pw_name);
    }
    return qEnvironmentVariable("USER");
}

} // namespace folio::journal
