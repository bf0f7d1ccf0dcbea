#include "journal/bank_tables.h"

namespace folio::journal {

namespace {

constexpr const char* kBankTables = R"sql(
CREATE TABLE IF NOT EXISTS bank_imports(
    seq INTEGER PRIMARY KEY REFERENCES entries(seq),
    account TEXT NOT NULL,
    source TEXT NOT NULL,
    made TEXT NOT NULL,
    who TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS bank_lines(
    seq INTEGER NOT NULL REFERENCES entries(seq),
    line INTEGER NOT NULL,
    account TEXT NOT NULL,
    date TEXT NOT NULL,
    description TEXT NOT NULL,
    memo TEXT NOT NULL,
    amount INTEGER NOT NULL,
    bank_id TEXT NOT NULL DEFAULT '',
    PRIMARY KEY(seq, line)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS bank_lines_by_account ON bank_lines(account);
CREATE TABLE IF NOT EXISTS reconciliations(
    id INTEGER PRIMARY KEY,
    account TEXT NOT NULL,
    statement_date TEXT NOT NULL,
    balance INTEGER NOT NULL,
    who TEXT NOT NULL,
    made TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS reconciled_lines(
    seq INTEGER NOT NULL,
    line INTEGER NOT NULL,
    reconciliation INTEGER NOT NULL REFERENCES reconciliations(id),
    PRIMARY KEY(seq, line)) WITHOUT ROWID;
)sql";

} // namespace

void ensureBankTables(Database& db) {
    db.exec(kBankTables);
}

} // namespace folio::journal
