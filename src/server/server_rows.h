#pragma once
#include "data/account_record.h"
#include "journal/entry.h"
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <exception>
#include <pqxx/types.hxx>
#include <string>
#include <vector>

namespace folio::server {

class ServerError;

// The rows of server books, read and written inside a transaction the caller holds.

// The words of a server failure without libpq's "ERROR:" and its trailing lines.
QString serverWords(const std::exception& failure);
// The refusal for a server that cannot be reached, with libpq's words for why.
ServerError unreachableServer(const std::exception& failure);

// Adds a set of books by name; refused with words when one of that name exists.
int insertBooks(pqxx::transaction_base& t, const QString& name);
// Writes an account row (its fields and its exact 62 bytes), adding it when missing.
void putAccount(pqxx::transaction_base& t, int books, int record, const QByteArray& image);
AccountRecord readAccount(pqxx::transaction_base& t, int books, int record);
// The number of the next entry of the books, taken in the transaction.
std::int64_t nextSeq(pqxx::transaction_base& t, int books);
// Writes an entry and its lines as they are (its seq set), with its status and the entry
// under it on its Undo stack.
void insertEntry(pqxx::transaction_base& t, int books, const journal::Entry& entry,
                 std::int64_t below, int status = 1);

// A digest of the values kept with the books, as the transaction sees them: it changes
// whenever one of them does.
std::string valuesStamp(pqxx::transaction_base& t, int books);

// The 62 bytes of every account, in record order.
std::vector<QByteArray> accountImages(pqxx::connection_base& c, int books);
std::vector<journal::Entry> readEntries(pqxx::connection_base& c, int books);

// An entry as the server keeps it: who made it is its user, with its status and the entry
// under it on its Undo stack.
struct StoredEntry {
    journal::Entry entry;
    int status = 1;
    std::int64_t below = 0;
};
// The entries numbered `from` on, oldest first, with their lines.
std::vector<StoredEntry> readStoredEntries(pqxx::transaction_base& t, int books, std::int64_t from);

} // namespace folio::server
