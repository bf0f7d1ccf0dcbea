#pragma once
#include "data/money.h"
#include <QString>
#include <vector>

class FileTable;

// One account as the tabs, reports and closings list it: trimmed texts and both balances.
struct AccountEntry {
    QString name;
    QString type;
    Money current;
    Money ytd;
};

// The accounts of a file in file order, one entry per record read. The tabs and reports
// hold at most kTableCapacity entries and the grids show at most kGridRows accounts.
struct AccountTable {
    static constexpr int kTableCapacity = 50;
    static constexpr int kGridRows = 49;

    std::vector<AccountEntry> entries;
    // True when the file held more records than the table takes; the rest were not read.
    bool truncated = false;

    // Reads records 1..count from an open file, at most kTableCapacity of them.
    static AccountTable read(FileTable& files, int fileNumber, int count);
};

// The words shown when a file holds more accounts than Folio lists.
QString tooManyAccountsMessage();
