// Closes arbitrary books both ways: the closed file never has more records than the
// books, keeps the names and types of the accounts in order and holds no blank record.
#include "closing/closing_rules.h"
#include "fuzz_support.h"

using namespace folio::closing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    folio::statements::ClosingInputs inputs;
    inputs.endingRetained.current = fuzz::takeMoney(data, size);
    inputs.endingRetained.ytd = fuzz::takeMoney(data, size);
    inputs.endingInventory = fuzz::takeMoney(data, size);
    const AccountTable table = fuzz::table(data, size);
    const std::vector<int> listed = table.listed();
    for (const ClosingKind kind : {ClosingKind::Monthly, ClosingKind::Yearly}) {
        const std::vector<AccountRecord> closed = closeBooks(table, kind, inputs);
        fuzz::require(closed.size() == listed.size());
        for (std::size_t i = 0; i < closed.size(); ++i) {
            const AccountRecord& kept = table.records[static_cast<std::size_t>(listed[i] - 1)];
            fuzz::require(closed[i].name == kept.name && closed[i].type == kept.type);
        }
    }
    return 0;
}
