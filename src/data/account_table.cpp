#include "data/account_table.h"
#include "data/file_table.h"

namespace folio {

AccountTable AccountTable::read(FileTable& files, int fileNumber) {
    AccountTable table;
    table.load(files, fileNumber);
    return table;
}

void AccountTable::load(FileTable& files, int fileNumber) {
    const int count = files.recordCount(fileNumber);
    records.clear();
    records.reserve(static_cast<std::size_t>(count));
    files.scanChunks(fileNumber, count, [this](int, std::span<const RecordBytes> chunk) {
        for (const RecordBytes& record : chunk) {
            records.push_back(AccountRecord::decode(record));
        }
        return true;
    });
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
