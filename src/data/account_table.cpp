#include "data/account_table.h"
#include "data/file_table.h"

namespace folio {

AccountTable AccountTable::read(FileTable& files, int fileNumber) {
    const std::vector<RecordBytes> bytes = files.readAll(fileNumber);
    AccountTable table;
    table.records.reserve(bytes.size());
    for (const RecordBytes& record : bytes) {
        table.records.push_back(AccountRecord::decode(record));
    }
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
