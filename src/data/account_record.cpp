#include "data/account_record.h"
#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

template <std::size_t N> void assignFixed(std::array<char, N>& field, const QString& text) {
    const QByteArray bytes = text.left(static_cast<qsizetype>(N)).toLatin1();
    field.fill(' ');
    std::copy_n(bytes.constData(), std::min<std::size_t>(N, static_cast<std::size_t>(bytes.size())),
                field.begin());
}

template <std::size_t N> QString trimmedFixed(const std::array<char, N>& field) {
    std::size_t begin = 0;
    std::size_t end = N;
    auto padding = [](char c) { return c == ' ' || c == '\0'; };
    while (begin < end && padding(field[begin])) {
        ++begin;
    }
    while (end > begin && padding(field[end - 1])) {
        --end;
    }
    return QString::fromLatin1(field.data() + begin, static_cast<qsizetype>(end - begin));
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

AccountRecord AccountRecord::blank() {
    AccountRecord record;
    record.Name.fill(' ');
    record.AcctType.fill(' ');
    return record;
}

void AccountRecord::setName(const QString& text) {
    assignFixed(Name, text);
}

void AccountRecord::setAcctType(const QString& text) {
    assignFixed(AcctType, text);
}

QString AccountRecord::trimmedName() const {
    return trimmedFixed(Name);
}

QString AccountRecord::trimmedType() const {
    return trimmedFixed(AcctType);
}

RecordBytes AccountRecord::encode() const {
    RecordBytes bytes{};
    std::memcpy(bytes.data() + RecordLayout::kNameOffset, Name.data(), RecordLayout::kNameSize);
    std::memcpy(bytes.data() + RecordLayout::kTypeOffset, AcctType.data(), RecordLayout::kTypeSize);
    putMoney(bytes, RecordLayout::kCurrentOffset, CurrentBalance);
    putMoney(bytes, RecordLayout::kYtdOffset, YtdBalance);
    return bytes;
}

AccountRecord AccountRecord::decode(const RecordBytes& bytes) {
    AccountRecord record;
    std::memcpy(record.Name.data(), bytes.data() + RecordLayout::kNameOffset,
                RecordLayout::kNameSize);
    std::memcpy(record.AcctType.data(), bytes.data() + RecordLayout::kTypeOffset,
                RecordLayout::kTypeSize);
    record.CurrentBalance = getMoney(bytes, RecordLayout::kCurrentOffset);
    record.YtdBalance = getMoney(bytes, RecordLayout::kYtdOffset);
    return record;
}
