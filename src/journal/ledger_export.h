#pragma once
#include "journal/export_writer.h"
#include "journal/journal_store.h"
#include <QString>

namespace folio::journal {

// The name an account goes by in the exported journal: the group its type code belongs
// to ("Assets", "Liabilities", "Equity", "Income", "Expenses"; "Unclassified" for a code
// the books do not know) and its own name, with the characters that journal readers treat
// specially (colons, semicolons, runs of blanks) made plain.
QString ledgerAccountName(const QString& name, const QString& typeCode);

// An account's balance as the exported journal counts it: debits positive, so a
// credit-side account's balance changes sign.
Money ledgerBalance(const AccountRecord& record);

// Writes the journal as a plain-text double-entry journal that hledger and ledger read:
// one transaction per applied entry that moves an amount, dated with the user's date, the
// first one opening every account; an entry whose amounts do not balance (a posting to
// one account) is balanced against an account the header names; a last transaction
// asserts each account's balance. The output is never one of the files of `books`.
ExportResult exportLedger(JournalStore& store, const QString& path, const QString& books,
                          const ExportProgress& progress = {});

} // namespace folio::journal
