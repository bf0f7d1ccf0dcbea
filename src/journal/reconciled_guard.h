#pragma once
#include "journal/journal_store.h"
#include <QString>
#include <optional>

namespace folio::journal {

// Why Undo may not take back an entry: a line of it (or of the change it put back, for a
// Redo) was cleared by a reconciliation, which the words name. Empty when none was.
// A reconciled line is changed only by a reversal.
std::optional<QString> reconciledLineOf(JournalStore& store, std::int64_t seq);

// The entry whose lines a Redo stands for: the change first made, before any Undo.
std::int64_t originalEntry(JournalStore& store, std::int64_t seq);

} // namespace folio::journal
