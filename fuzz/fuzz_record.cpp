// Decodes arbitrary bytes as account records: every record decodes, encodes back to the
// same bytes, and its trimmed texts survive being stored again.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at < size; at += RecordLayout::kRecordSize) {
        RecordBytes bytes{};
        std::memcpy(bytes.data(), data + at, std::min(bytes.size(), size - at));
        const AccountRecord account = AccountRecord::decode(bytes);
        fuzz::require(account.encode() == bytes);

        const QString name = account.trimmedName();
        const QString type = account.trimmedType();
        fuzz::require(name.size() <= static_cast<qsizetype>(RecordLayout::kNameSize));
        fuzz::require(type.size() <= static_cast<qsizetype>(RecordLayout::kTypeSize));

        AccountRecord stored = AccountRecord::blank();
        stored.setName(name);
        stored.setAcctType(type);
        fuzz::require(stored.trimmedName() == name);
        fuzz::require(stored.trimmedType() == type);
        fuzz::require(AccountRecord::decode(stored.encode()) == stored);
    }
    return 0;
}
