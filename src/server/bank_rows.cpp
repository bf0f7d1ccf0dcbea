#include "server/bank_rows.h"
#include "journal/bank_tables.h"
#include "journal/sqlite_db.h"
#include "server/entry_push.h"
#include "server/journal_reader.h"
#include <pqxx/pqxx>

namespace folio::server {

namespace {

using R = JournalReader;

QString textOf(const pqxx::field& field) {
    return QString::fromStdString(field.as<std::string>());
}

void pushImports(pqxx::transaction_base& t, int books, JournalReader& journal, std::int64_t after) {
    const std::string since = " WHERE seq > " + std::to_string(after);
    journal.rows("SELECT seq, account, source, made, who FROM bank_imports" + since,
                 [&](sqlite3_stmt* row) {
                     t.exec_params("INSERT INTO folio_bank_imports(books, seq, account, source, "
                                   "made, who) VALUES ($1, $2, $3, $4, $5, $6)",
                                   books, R::integer(row, 0), R::text(row, 1), R::text(row, 2),
                                   R::text(row, 3), R::text(row, 4));
                 });
    journal.rows("SELECT seq, line, account, date, description, memo, amount, bank_id FROM "
                 "bank_lines" +
                     since,
                 [&](sqlite3_stmt* row) {
                     t.exec_params("INSERT INTO folio_bank_lines VALUES ($1, $2, $3, $4, $5, $6, "
                                   "$7, $8, $9)",
                                   books, R::integer(row, 0), R::integer(row, 1), R::text(row, 2),
                                   R::text(row, 3), R::text(row, 4), R::text(row, 5),
                                   R::integer(row, 6), R::text(row, 7));
                 });
}

void pushReconciliations(pqxx::transaction_base& t, int books, JournalReader& journal,
                         std::int64_t reconciled) {
    const auto last = t.exec_params1("SELECT coalesce(max(id), 0) FROM folio_reconciliations "
                                     "WHERE books = $1",
                                     books)[0]
                          .as<std::int64_t>();
    if (last != reconciled) {
        throw BooksMoved();
    }
    const std::string since = std::to_string(reconciled);
    journal.rows("SELECT id, account, statement_date, balance, who, made FROM reconciliations "
                 "WHERE id > " +
                     since,
                 [&](sqlite3_stmt* row) {
                     t.exec_params("INSERT INTO folio_reconciliations(books, id, account, "
                                   "statement_date, balance, who, made) VALUES ($1, $2, $3, $4, "
                                   "$5, $6, $7)",
                                   books, R::integer(row, 0), R::text(row, 1), R::text(row, 2),
                                   R::integer(row, 3), R::text(row, 4), R::text(row, 5));
                 });
    journal.rows(
        "SELECT seq, line, reconciliation FROM reconciled_lines WHERE reconciliation > " + since,
        [&](sqlite3_stmt* row) {
            t.exec_params("INSERT INTO folio_reconciled_lines VALUES ($1, $2, $3, $4)", books,
                          R::integer(row, 0), R::integer(row, 1), R::integer(row, 2));
        });
}

std::int64_t localLast(journal::Database& db, const char* sql) {
    journal::Statement query(db, sql);
    return query.step() ? query.integer(0) : 0;
}

} // namespace

void pushBankRows(pqxx::transaction_base& t, int books, JournalReader& journal, std::int64_t after,
                  std::int64_t reconciled) {
    // Journals of books never used for bank work have no bank tables.
    if (journal.hasTable("bank_imports")) {
        pushImports(t, books, journal, after);
    }
    if (journal.hasTable("reconciliations")) {
        pushReconciliations(t, books, journal, reconciled);
    }
}

void pullBankRows(pqxx::transaction_base& t, int books, journal::Database& db,
                  std::int64_t through) {
    journal::ensureBankTables(db);
    // Only what the journal lacks: its imports follow its entries, its reconciliations are
    // numbered in the order they were made.
    const std::int64_t imported = localLast(db, "SELECT coalesce(max(seq), 0) FROM bank_imports");
    journal::Statement import(db, "INSERT INTO bank_imports VALUES (?, ?, ?, ?, ?)");
    for (const auto& row : t.exec_params(
             "SELECT seq, account, source, made, who FROM folio_bank_imports WHERE books = $1 "
             "AND seq > $2 AND seq <= $3",
             books, imported, through)) {
        import.reset();
        import.bind(1, row[0].as<std::int64_t>())
            .bind(2, textOf(row[1]))
            .bind(3, textOf(row[2]))
            .bind(4, textOf(row[3]))
            .bind(5, textOf(row[4]))
            .run();
    }
    journal::Statement line(db, "INSERT INTO bank_lines VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (const auto& row :
         t.exec_params("SELECT seq, line, account, date, description, memo, amount, bank_id FROM "
                       "folio_bank_lines WHERE books = $1 AND seq > $2 AND seq <= $3",
                       books, imported, through)) {
        line.reset();
        line.bind(1, row[0].as<std::int64_t>())
            .bind(2, row[1].as<std::int64_t>())
            .bind(3, textOf(row[2]))
            .bind(4, textOf(row[3]))
            .bind(5, textOf(row[4]))
            .bind(6, textOf(row[5]))
            .bind(7, row[6].as<std::int64_t>())
            .bind(8, textOf(row[7]))
            .run();
    }
    const std::int64_t reconciled =
        localLast(db, "SELECT coalesce(max(id), 0) FROM reconciliations");
    std::int64_t last = reconciled;
    journal::Statement reconciliation(db, "INSERT INTO reconciliations VALUES (?, ?, ?, ?, ?, ?)");
    for (const auto& row : t.exec_params("SELECT id, account, statement_date, balance, who, made "
                                         "FROM folio_reconciliations WHERE books = $1 AND id > $2 "
                                         "ORDER BY id",
                                         books, reconciled)) {
        last = row[0].as<std::int64_t>();
        reconciliation.reset();
        reconciliation.bind(1, last)
            .bind(2, textOf(row[1]))
            .bind(3, textOf(row[2]))
            .bind(4, row[3].as<std::int64_t>())
            .bind(5, textOf(row[4]))
            .bind(6, textOf(row[5]))
            .run();
    }
    // A reconciliation committed since the one above was read comes with the next copy.
    journal::Statement cleared(db, "INSERT INTO reconciled_lines VALUES (?, ?, ?)");
    for (const auto& row : t.exec_params(
             "SELECT seq, line, reconciliation FROM folio_reconciled_lines WHERE books = $1 AND "
             "reconciliation > $2 AND reconciliation <= $3",
             books, reconciled, last)) {
        cleared.reset();
        cleared.bind(1, row[0].as<std::int64_t>())
            .bind(2, row[1].as<std::int64_t>())
            .bind(3, row[2].as<std::int64_t>())
            .run();
    }
}

} // namespace folio::server
