#include "journal/books_changes.h"
#include "data/books.h"
#include "data/file_error.h"

namespace folio::journal {

std::int64_t changeBooks(BooksJournal* journal, Books& books, EntryKind kind,
                         const std::vector<Change>& changes, const EntryNote& note,
                         bool* tookEffect) {
    BooksJournal none; // never opened: writes straight to the file
    BooksJournal& target = journal != nullptr ? *journal : none;
    try {
        const std::int64_t seq = target.record(booksFile(books), kind, note, changes);
        if (tookEffect != nullptr) {
            *tookEffect = true;
        }
        return seq;
    } catch (const FileError&) {
        if (tookEffect != nullptr) {
            *tookEffect = target.tookEffect();
        }
        throw;
    }
}

} // namespace folio::journal
