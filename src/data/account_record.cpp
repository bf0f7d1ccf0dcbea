#include "data/account_record.h"
#include <QByteArray>
#include <algorithm>

namespace folio {

namespace {

void putText(RecordBytes& bytes, std::size_t offset, std::size_t size, const QString& text) {
    const QByteArray latin = text.left(static_cast<qsizetype>(size)).toLatin1();
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), size, std::uint8_t{' '});
    std::copy_n(latin.constData(), std::min(size, static_cast<std::size_t>(latin.size())),
                bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

QString getText(const RecordBytes& bytes, std::size_t offset, std::size_t size) {
    std::size_t begin = offset;
    std::size_t end = offset + size;
    auto padding = [](std::uint8_t c) { return c == ' ' || c == '\0'; };
    while (begin < end && padding(bytes[begin])) {
        ++begin;
    }
    while (end > begin && padding(bytes[end - 1])) {
        --end;
    }
    return QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()) + begin,
                               static_cast<qsizetype>(end - begin));
}

void putMoney(RecordBytes& bytes, std::size_t offset, Money amount) {
    auto value = static_cast<std::uint64_t>(amount.raw());
    for (std::size_t i = 0; i < RecordLayout::kMoneySize; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

Money getMoney(const RecordBytes& bytes, std::size_t offset) {
    std::uint64_t value = 0;
    for (std::size_t i = RecordLayout::kMoneySize; i-- > 0;) {
        value = (value << 8) | bytes[offset + i];
    }
    return Money::fromRaw(static_cast<std::int64_t>(value));
}

} // namespace

RecordBytes AccountRecord::encode() const {
    RecordBytes bytes{};
    putText(bytes, RecordLayout::kNameOffset, RecordLayout::kNameSize, name);
    putText(bytes, RecordLayout::kTypeOffset, RecordLayout::kTypeSize, type);
    putMoney(bytes, RecordLayout::kCurrentOffset, current);
    putMoney(bytes, RecordLayout::kYtdOffset, ytd);
    return bytes;
}

AccountRecord AccountRecord::decode(const RecordBytes& bytes) {
    return {getText(bytes, RecordLayout::kNameOffset, RecordLayout::kNameSize),
            getText(bytes, RecordLayout::kTypeOffset, RecordLayout::kTypeSize),
            getMoney(bytes, RecordLayout::kCurrentOffset),
            getMoney(bytes, RecordLayout::kYtdOffset)};
}

} // namespace folio
