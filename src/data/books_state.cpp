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
