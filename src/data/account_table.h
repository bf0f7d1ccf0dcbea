#pragma once
#include "data/account_record.h"
#include <vector>

namespace folio {

class FileTable;

// Every record of an accounts file in file order: records[i] is record number i + 1.
struct AccountTable {
    std::vector<AccountRecord> records;

    // Reads every record of an open file in one pass.
    static AccountTable read(FileTable& files, int fileNumber);
    // The same into this table, keeping the memory it already holds.
    void load(FileTable& files, int fileNumber);
    // The record numbers of the accounts a listing shows: every record that is not blank.
    std::vector<int> listed() const;
};

} // namespace folio
