#pragma once
#include <cstdint>
#include <pqxx/types.hxx>

namespace folio::journal {
class Database;
}

namespace folio::server {

class JournalReader;

// The bank work of server books (statement imports with their lines, reconciliations with
// the lines they cleared) moved between the server and a journal, inside the caller's
// transaction.

// Writes the journal's imports of entries after `after`, and its reconciliations numbered
// after `reconciled`, into the books `books`. Throws BooksMoved when the server's books hold
// a reconciliation after `reconciled`: another client reconciled since the journal was made.
void pushBankRows(pqxx::transaction_base& t, int books, JournalReader& journal, std::int64_t after,
                  std::int64_t reconciled);

// Writes into the journal (making its bank tables when missing) the server's imports of
// entries up to `through` and the reconciliations it does not hold yet.
void pullBankRows(pqxx::transaction_base& t, int books, journal::Database& db,
                  std::int64_t through);

} // namespace folio::server
