#include "data/account_record.h"
#include "data/account_types.h"
#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace folio {

namespace {

void putText(RecordBytes& bytes, std::size_t offset, std::size_t size, const QString& text) {
    const QByteArray latin = text.left(static_cast<qsizetype>(size)).toLatin1();
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), size, std::uint8_t{' '});
    std::copy_n(latin.constData(), std::min(size, static_cast<std::size_t>(latin.size())),
                bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The text of a field without its padding (blanks, and the NULs of an unwritten record).
QLatin1StringView fieldText(const RecordBytes& bytes, std::size_t offset, std::size_t size) {
    std::size_t begin = offset;
    std::size_t end = offset + size;
    auto padding = [](std::uint8_t c) { return c == ' ' || c == '\0'; };
    while (begin < end && padding(bytes[begin])) {
        ++begin;
    }
    while (end > begin && padding(bytes[end - 1])) {
        --end;
    }
    return {reinterpret_cast<const char*>(bytes.data()) + begin,
            static_cast<qsizetype>(end - begin)};
}

// The type text of a record: a code of the catalogue is shared rather than made again
// for every record, which counts when a whole file of accounts is read.
QString typeText(const RecordBytes& bytes) {
    struct Known {
        QLatin1StringView code;
        QString text;
    };
    static const std::array<Known, kAccountTypes.size()> known = [] {
        std::array<Known, kAccountTypes.size()> codes;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            codes[i] = {QLatin1StringView(kAccountTypes[i].code),
                        QString::fromLatin1(kAccountTypes[i].code)};
        }
        return codes;
    }();
    const QLatin1StringView text =
        fieldText(bytes, RecordLayout::kTypeOffset, RecordLayout::kTypeSize);
    for (const Known& k : known) {
        if (k.code.size() == text.size() && std::equal(text.begin(), text.end(), k.code.begin())) {
            return k.text;
        }
    }
    return QString(text);
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

QLatin1StringView RecordFields::name(const RecordBytes& bytes) {
    return fieldText(bytes, RecordLayout::kNameOffset, RecordLayout::kNameSize);
}

QLatin1StringView RecordFields::type(const RecordBytes& bytes) {
    return fieldText(bytes, RecordLayout::kTypeOffset, RecordLayout::kTypeSize);
}

Money RecordFields::current(const RecordBytes& bytes) {
    return getMoney(bytes, RecordLayout::kCurrentOffset);
}

Money RecordFields::ytd(const RecordBytes& bytes) {
    return getMoney(bytes, RecordLayout::kYtdOffset);
}

bool RecordFields::isBlank(const RecordBytes& bytes) {
    const auto padding = [](std::uint8_t c) { return c == ' ' || c == '\0'; };
    const auto texts = bytes.begin() + static_cast<std::ptrdiff_t>(RecordLayout::kCurrentOffset);
    return std::all_of(bytes.begin(), texts, padding) &&
           std::all_of(texts, bytes.end(), [](std::uint8_t c) { return c == 0; });
}

RecordBytes RecordFields::asWritten(const RecordBytes& bytes) {
    RecordBytes written = bytes;
    for (const auto& [offset, size] :
         {std::pair{RecordLayout::kNameOffset, RecordLayout::kNameSize},
          std::pair{RecordLayout::kTypeOffset, RecordLayout::kTypeSize}}) {
        const std::uint8_t* field = bytes.data() + offset;
        if (*field != ' ' && std::memchr(field, 0, size) == nullptr) {
            continue; // left-aligned, padded with blanks already: as Folio writes it
        }
        const QLatin1StringView text = fieldText(bytes, offset, size);
        const auto at = written.begin() + static_cast<std::ptrdiff_t>(offset);
        std::fill_n(std::copy(text.begin(), text.end(), at),
                    size - static_cast<std::size_t>(text.size()), std::uint8_t{' '});
    }
    return written;
}

AccountRecord AccountRecord::decode(const RecordBytes& bytes) {
    return {QString(fieldText(bytes, RecordLayout::kNameOffset, RecordLayout::kNameSize)),
            typeText(bytes), getMoney(bytes, RecordLayout::kCurrentOffset),
            getMoney(bytes, RecordLayout::kYtdOffset)};
}

QByteArray AccountRecord::encodeBytes() const {
    const RecordBytes bytes = encode();
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

AccountRecord AccountRecord::decodeBytes(const QByteArray& bytes) {
    RecordBytes record{};
    std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                std::min(record.size(), static_cast<std::size_t>(bytes.size())), record.begin());
    return decode(record);
}

} // namespace folio
