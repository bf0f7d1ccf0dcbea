#pragma once
#include <string>

namespace folio::server {

// The tables, rules and roles of books kept on a PostgreSQL server, as SQL that can be run
// again on a database that has them (it changes nothing there). The rules live in the
// database so that a client that skips Folio's own checks is refused all the same: a
// balanced entry's debits equal its credits, nothing is dated on or before a lock date,
// and the journal is append-only.
const std::string& schemaSql();

// The version of the tables schemaSql() makes; a database without folio_version was set up
// by a Folio of version 1.
constexpr int kSchemaVersion = 2;

} // namespace folio::server
