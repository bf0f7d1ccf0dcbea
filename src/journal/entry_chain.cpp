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

ChainHasher::ChainHasher(const QByteArray& previous, const Entry& entry, std::int64_t lineCount)
    : form_(std::make_unique<CanonicalForm>()) {
    form_->bytes(previous)
        .number(entry.seq)
        .text(kindName(entry.kind))
        .text(entry.made.toUTC().toString(Qt::ISODateWithMs))
        .text(entry.date.toString(Qt::ISODate))
        .text(entry.memo)
        .text(entry.user)
        .number(entry.reversalOf.value_or(-1))
        .number(lineCount);
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

QByteArray ChainHasher::result() const {
    return form_->result();
}

QByteArray chainedHash(const QByteArray& previous, const Entry& entry) {
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
