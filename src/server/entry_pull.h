#pragma once
#include "server/entry_push.h"
#include "server/server_books.h"
#include <QString>
#include <cstdint>
#include <optional>

namespace folio::server {

// Brings a working copy of server books (an accounts file and its journal, made from the
// server when it stood at `base`) forward to the books as the server holds them
// now, at a cost that grows with what is new, not with the journal: the entries made since
// `base` are read with their lines and recorded in the copy's journal and written to its
// file one by one, as the journal records a change of its own; then the values kept with
// the books and the new bank work are taken. Entries (and bank work) the copy recorded
// that never reached the server (a change the server refused) are taken back first. Gives
// where the server's books stand, now the copy's; nothing when the copy cannot be brought forward
// (its latest entry is not the server's entry of that number, a record is not what a new entry
// found, or a change not sent cannot be taken back in place): the copy is then to be made again
// whole. Throws ServerError when the server cannot be read, FileError or journal::JournalUnusable
// when the copy cannot be written.
std::optional<ServerMark> pullNewEntries(ServerBooks& server, const QString& workingPath,
                                         const ServerMark& base);

} // namespace folio::server
