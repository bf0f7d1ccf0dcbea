#pragma once
#include "journal/sqlite_db.h"

namespace folio::journal {

// The tables a journal keeps for bank work: each statement import (with the entry that
// holds it) and its lines, and each reconciliation with the journal lines it cleared.
// Creates them when the journal has none yet.
void ensureBankTables(Database& db);

} // namespace folio::journal
