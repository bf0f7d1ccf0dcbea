#include "data/books_state.h"

void BooksState::reopen() {
    SelectedFile = Tag;
    openFile(SelectedFile);
}

void BooksState::openFile(const QString& path) {
    files.close(FileNumber);
    FileNumber = files.freeFile();
    RecordLength = 62;
    files.open(FileNumber, path);
}

AccountTable BooksState::reopenAndRead() {
    reopen();
    const AccountTable table = AccountTable::read(files, FileNumber, files.recordCount(FileNumber));
    RecordCount = 0;
    for (const AccountEntry& entry : table.entries) {
        RecordCount += entry.name.isEmpty() ? 0 : 1;
    }
    CurrentRecord = static_cast<int>(table.entries.size()) + 1;
    return table;
}
