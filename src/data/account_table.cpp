#include "data/account_table.h"
#include "data/file_table.h"
#include <algorithm>

AccountTable AccountTable::read(FileTable& files, int fileNumber, int count) {
    AccountTable table;
    const int readable = std::min(count, kTableCapacity);
    table.truncated = count > kTableCapacity;
    table.entries.reserve(static_cast<std::size_t>(std::max(readable, 0)));
    for (int record = 1; record <= readable; ++record) {
        const AccountRecord account = files.get(fileNumber, record);
        table.entries.push_back({account.trimmedName(), account.trimmedType(),
                                 account.CurrentBalance, account.YtdBalance});
    }
    return table;
}

QString tooManyAccountsMessage() {
    return QStringLiteral("Folio lists at most 49 accounts. Only the first 49 are shown.");
}
