#pragma once
#include "server/server_books.h"
#include <QString>
#include <pqxx/types.hxx>

namespace folio::server {

// Copies books between a file (with its journal) and a server, both ways: the accounts'
// exact bytes, the journal's entries and lines as they are, the values kept with the
// books and their bank work (statement imports, reconciliations). A copy never writes over books
// that exist at its target. Throws ServerError, with words for the user, when it cannot copy; then
// nothing is left at the target.
void copyFileToServer(const QString& filePath, const ServerAddress& to);
void copyServerToFile(const ServerAddress& from, const QString& filePath);
// The same over a connection held already, into a path whose files the caller made room for.
void copyServerToFile(ServerBooks& server, const QString& filePath);
// Adds the books of a file (with its journal, if it has one) to the server as a new set of
// books named `name`, inside the caller's transaction; refused when that name is taken.
int addFileBooks(pqxx::transaction_base& t, const QString& filePath, const QString& name);

} // namespace folio::server
