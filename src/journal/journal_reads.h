#pragma once
#include "journal/company_values.h"
#include "journal/journal_store.h"
#include <QString>

namespace folio::journal {

// What is known of a journal without holding it open as the books' journal.

// Beside the file the books are (a link to them leads to their journal).
QString journalPathFor(const QString& booksPath);
// The company values kept in a journal's store, for a reader that only reads them.
CompanyValues companyValuesIn(JournalStore& store);
// Why a closed copy must not be replaced: its journal holds entries of its own beyond
// the closed-from entry (or cannot be read to tell); empty when it may be.
QString closedCopyWork(const QString& closedPath);

} // namespace folio::journal
