#pragma once
#include "server/server_books.h"
#include <QString>

namespace folio::server {

// Copies books between a file (with its journal) and a server, both ways: the accounts'
// exact bytes, the journal's entries and lines as they are, and the values kept with the
// books. A copy never writes over books that exist at its target. Throws ServerError, with
// words for the user, when it cannot copy; then nothing is left at the target.
void copyFileToServer(const QString& filePath, const ServerAddress& to);
void copyServerToFile(const ServerAddress& from, const QString& filePath);

} // namespace folio::server
