#include "data/account_table.h"
#include "data/file_table.h"

namespace folio {

AccountTable AccountTable::read(FileTable& files, int fileNumber, int count) {
    AccountTable table;
    table.records.reserve(static_cast<std::size_t>(std::max(count, 0)));
    files.scan(fileNumber, count, [&table](int, const AccountRecord& record) {
        table.records.push_back(record);
        return true;
    });
    return table;
}

std::vector<int> AccountTable::listed() const {
    std::vector<int> numbers;
    numbers.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i].isBlank()) {
            numbers.push_back(static_cast<int>(i) + 1);
        }
    }
    return numbers;
}

} // namespace folio
