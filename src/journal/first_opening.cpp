// The journal of books opened for the first time, made beside its place.
#include "data/file_io.h"
#include "data/file_table.h"
#include "journal/books_journal.h"
#include "journal/journal_binding.h"
#include <QFile>

namespace folio::journal {

void BooksJournal::buildFirst(BooksFile file, const QString& path, const Progress& progress) {
    const QString temporary = path + QStringLiteral(".TMP");
    QFile::remove(temporary); // what an opening stopped part way left
    try {
        store_.build(temporary);
        startOver(file, QStringLiteral("Opening balances"), progress);
        store_.setValue(QStringLiteral("books"), resolvedBooks(file.path));
        store_.finishBuilding();
        FileTable::rename(temporary, path);
        syncFolderOf(path); // in place before the books are changed with it
    } catch (...) {
        store_.close();
        QFile::remove(temporary);
        throw;
    }
}

} // namespace folio::journal
