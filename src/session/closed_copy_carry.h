#pragma once
#include "journal/books_journal.h"
#include "statements/company_info.h"
#include <QString>

namespace folio::session {

// Carries the changes made in reopened books since their reopening into the closed copy
// their closing wrote: the books are closed as they were and as they are now, the
// difference is recorded as one entry in the copy, dated the day after the copy's closed
// period, and the books are locked again by their closing. Throws Refused when the copy
// cannot take it (held by another Folio, locked later) and FileError; gives the entry's
// number in the copy's journal.
// Where the closed copy's file is, and how the entries' memos name the two books (for books
// on a server, their addresses).
struct CarryPlaces {
    QString copyPath;
    QString booksName;
    QString copyName;
};
std::int64_t carryIntoClosedCopy(journal::BooksJournal& books, journal::BooksFile file,
                                 const statements::CompanyInfo& company, const CarryPlaces& places);

} // namespace folio::session
