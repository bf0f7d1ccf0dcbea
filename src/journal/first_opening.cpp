// The journal of books opened for the first time, made beside its place.
#include "journal/books_journal.h"
#include "journal/journal_binding.h"

namespace folio::journal {

void BooksJournal::buildFirst(BooksFile file, const QString& path, const Progress& progress) {
    store_.buildInPlace(path, [&] {
        startOver(file, QStringLiteral("Opening balances"), progress);
        store_.setValue(QStringLiteral("books"), resolvedBooks(file.path));
    });
}

} // namespace folio::journal
