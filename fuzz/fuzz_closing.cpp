// Closes arbitrary books both ways: the closed file never has more records than the books,
// and an account that is carried keeps its name and type.
#include "closing/closing_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::uint8_t present = data[0];
    ++data;
    --size;
    ClosingAmounts amounts;
    const Money endCap = fuzz::takeMoney(data, size);
    const Money ytdEndCap = fuzz::takeMoney(data, size);
    const Money inventory = fuzz::takeMoney(data, size);
    if ((present & 1) != 0) {
        amounts.endCap = endCap;
    }
    if ((present & 2) != 0) {
        amounts.ytdEndCap = ytdEndCap;
    }
    if ((present & 4) != 0) {
        amounts.endingInventory = inventory;
    }
    const AccountTable table = fuzz::table(data, size);
    for (const ClosingKind kind : {ClosingKind::Monthly, ClosingKind::Yearly}) {
        const ClosedBooks closed = closeBooks(table.entries, kind, amounts);
        fuzz::require(closed.records.size() <= table.entries.size());
        for (std::size_t i = 0; i < closed.records.size(); ++i) {
            const AccountRecord& record = closed.records[i];
            if (record != AccountRecord()) {
                fuzz::require(record.trimmedName() == table.entries[i].name);
                fuzz::require(record.trimmedType() == table.entries[i].type);
            }
        }
    }
    return 0;
}
