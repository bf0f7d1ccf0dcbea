#include "server/journal_reader.h"
#include "journal/entry.h"
#include "server/server_books.h"
#include <pqxx/pqxx>
#include <sqlite3.h>

namespace folio::server {

JournalReader::JournalReader(const QString& path) {
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        fail(path);
    }
}

JournalReader::~JournalReader() {
    sqlite3_close(db_);
}

void JournalReader::rows(const std::string& sql, const std::function<void(sqlite3_stmt*)>& each) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        fail(QString::fromUtf8(sqlite3_db_filename(db_, "main")));
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt)) == SQLITE_ROW) {
        each(stmt);
    }
    sqlite3_finalize(stmt);
    if (step != SQLITE_DONE) {
        fail(QString::fromUtf8(sqlite3_db_filename(db_, "main")));
    }
}

bool JournalReader::hasTable(const char* name) {
    bool found = false;
    rows(std::string("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = '") + name + "'",
         [&](sqlite3_stmt*) { found = true; });
    return found;
}

void JournalReader::fail(const QString& path) {
    throw ServerError(QStringLiteral("Folio cannot read the journal %1: %2")
                          .arg(path, QString::fromUtf8(sqlite3_errmsg(db_))));
}

std::string JournalReader::text(sqlite3_stmt* row, int column) {
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    return chars == nullptr ? std::string() : std::string(chars);
}

std::string JournalReader::hex(sqlite3_stmt* row, int column) {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(row, column));
    return QByteArray(data, sqlite3_column_bytes(row, column)).toHex().toStdString();
}

std::int64_t JournalReader::integer(sqlite3_stmt* row, int column) {
    return sqlite3_column_int64(row, column);
}

bool JournalReader::isNull(sqlite3_stmt* row, int column) {
    return sqlite3_column_type(row, column) == SQLITE_NULL;
}

std::map<std::int64_t, QByteArray> imagesAfter(JournalReader& journal, std::int64_t after) {
    std::map<std::int64_t, QByteArray> images;
    if (!journal.hasTable("blocks")) {
        return images; // a journal of an older Folio
    }
    journal.rows("SELECT b.seq, b.bytes FROM blocks b JOIN entries e ON e.seq = b.seq WHERE "
                 "b.seq > " +
                     std::to_string(after) + " AND e.status = 1 ORDER BY b.seq, b.block",
                 [&](sqlite3_stmt* row) {
                     const auto* data = static_cast<const char*>(sqlite3_column_blob(row, 1));
                     images[JournalReader::integer(row, 0)].append(data,
                                                                   sqlite3_column_bytes(row, 1));
                 });
    return images;
}

KeptValues keptValues(JournalReader& journal) {
    using R = JournalReader;
    KeptValues values;
    journal.rows("SELECT key, typeof(value), value FROM books", [&](sqlite3_stmt* row) {
        const std::string type = R::text(row, 1);
        values[R::text(row, 0)] = {
            type, type == "blob"
                      ? R::hex(row, 2)
                      : QByteArray::fromStdString(R::text(row, 2)).toHex().toStdString()};
    });
    return values;
}

void putValue(pqxx::transaction_base& t, int books, const std::string& key,
              const std::pair<std::string, std::string>& value) {
    t.exec_params("INSERT INTO folio_values(books, key, value_type, value) VALUES ($1, $2, $3, "
                  "decode($4, 'hex')) ON CONFLICT (books, key) DO UPDATE SET value_type = "
                  "EXCLUDED.value_type, value = EXCLUDED.value",
                  books, key, value.first, value.second);
}

void copyJournalRows(pqxx::transaction_base& t, int books, JournalReader& journal,
                     std::int64_t after, bool values, bool users) {
    using R = JournalReader;
    const std::string since = " WHERE seq > " + std::to_string(after);
    if (users) { // a journal written before entries kept their user has none to give
        users = false;
        journal.rows("SELECT 1 FROM pragma_table_info('entries') WHERE name = 'user'",
                     [&](sqlite3_stmt*) { users = true; });
    }
    journal.rows(std::string("SELECT seq, made, date, memo, kind, status, reversal_of, below, ") +
                     (users ? "user" : "''") + " FROM entries" + since + " ORDER BY seq",
                 [&](sqlite3_stmt* row) {
                     t.exec_params("INSERT INTO folio_entries(books, seq, made, date, memo, kind, "
                                   "status, reversal_of, below, made_by) VALUES ($1, $2, $3, $4, "
                                   "$5, $6, $7, NULLIF($8, 0), $9, coalesce(NULLIF($10, ''), "
                                   "current_user))",
                                   books, R::integer(row, 0), R::text(row, 1), R::text(row, 2),
                                   R::text(row, 3), R::text(row, 4), R::integer(row, 5),
                                   R::integer(row, 6), R::integer(row, 7), R::text(row, 8));
                 });
    journal.rows(
        "SELECT seq, line, record, name, type, debit, credit, before, after FROM lines" + since,
        [&](sqlite3_stmt* row) {
            t.exec_params("INSERT INTO folio_lines(books, seq, line, record, name, type, debit, "
                          "credit, before, after) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, "
                          "CASE WHEN $9 THEN NULL ELSE decode($10, 'hex') END, "
                          "CASE WHEN $11 THEN NULL ELSE decode($12, 'hex') END)",
                          books, R::integer(row, 0), R::integer(row, 1), R::integer(row, 2),
                          R::text(row, 3), R::text(row, 4), R::integer(row, 5), R::integer(row, 6),
                          R::isNull(row, 7), R::hex(row, 7), R::isNull(row, 8), R::hex(row, 8));
        });
    // The server keeps a row a line: an entry kept as an image gives its lines on the way.
    for (const auto& [seq, image] : imagesAfter(journal, after)) {
        int number = 0;
        for (const journal::Line& line : journal::linesOfImage(image)) {
            t.exec_params("INSERT INTO folio_lines(books, seq, line, record, name, type, debit, "
                          "credit, before, after) VALUES ($1, $2, $3, $4, $5, $6, 0, 0, NULL, "
                          "decode($7, 'hex'))",
                          books, seq, ++number, line.record, line.name.toStdString(),
                          line.type.toStdString(), line.after->encodeBytes().toHex().toStdString());
        }
    }
    if (values) {
        for (const auto& [key, value] : keptValues(journal)) {
            putValue(t, books, key, value);
        }
    }
    t.exec_params("UPDATE folio_books SET last_seq = (SELECT coalesce(max(seq), 0) FROM "
                  "folio_entries WHERE books = $1) WHERE id = $1",
                  books);
}

} // namespace folio::server
