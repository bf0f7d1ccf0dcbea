// Decodes arbitrary bytes as account records: every record decodes into texts that fit
// their fields, and what it decodes to is stored and read back unchanged.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::size_t at = 0; at < size; at += RecordLayout::kRecordSize) {
        RecordBytes bytes{};
        std::memcpy(bytes.data(), data + at, std::min(bytes.size(), size - at));
        const AccountRecord account = AccountRecord::decode(bytes);
        fuzz::require(account.name.size() <= static_cast<qsizetype>(RecordLayout::kNameSize));
        fuzz::require(account.type.size() <= static_cast<qsizetype>(RecordLayout::kTypeSize));
        fuzz::require(AccountRecord::decode(account.encode()) == account);
    }
    return 0;
}
