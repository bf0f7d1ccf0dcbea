#pragma once
#include "journal/books_journal.h"

namespace folio {
class Books;
}

namespace folio::journal {

// Writes changes to the selected books as one entry of the journal, or, without a
// journal, straight to the file (all records or none all the same). Gives the entry's
// number (0 without one). Throws FileError; `tookEffect` then says whether the file holds
// the change all the same.
std::int64_t changeBooks(BooksJournal* journal, Books& books, EntryKind kind,
                         const std::vector<Change>& changes, const EntryNote& note = {},
                         bool* tookEffect = nullptr);

} // namespace folio::journal
