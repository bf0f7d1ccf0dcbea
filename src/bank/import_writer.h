#pragma once
#include "bank/import_plan.h"
#include "journal/books_journal.h"

namespace folio::bank {

// Writes the lines the plan includes as one entry of the journal (one Undo step): for
// each, the bank account against the other account, money in debiting the bank account
// and money out crediting it; then keeps the lines for the duplicate check. The one place
// an import changes the books. Gives the entry's number, 0 when nothing was included.
// Throws journal::Refused (an account not in the books) or FileError.
std::int64_t writeImport(journal::BooksJournal& journal, journal::BooksFile file,
                         const ImportPlan& plan, const QString& source);

} // namespace folio::bank
