#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <pqxx/types.hxx>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace folio::server {

// One journal beside a books file, opened to read only: a copy never changes the journal it
// reads, nor removes its log. Failures are ServerErrors with the journal's name.
class JournalReader {
  public:
    explicit JournalReader(const QString& path);
    ~JournalReader();
    JournalReader(const JournalReader&) = delete;
    JournalReader& operator=(const JournalReader&) = delete;

    // Runs a query and hands each row to `each`.
    void rows(const std::string& sql, const std::function<void(sqlite3_stmt*)>& each);
    // Whether the journal holds a table of that name.
    bool hasTable(const char* name);

    static std::string text(sqlite3_stmt* row, int column);
    static std::string hex(sqlite3_stmt* row, int column);
    static std::int64_t integer(sqlite3_stmt* row, int column);
    static bool isNull(sqlite3_stmt* row, int column);

  private:
    [[noreturn]] void fail(const QString& path);
    sqlite3* db_ = nullptr;
};

// The applied entries numbered after `after` that the journal keeps as an image of the
// records (a block of bytes, not a row a line), by entry: their lines are its records.
std::map<std::int64_t, QByteArray> imagesAfter(JournalReader& journal, std::int64_t after);

// The values kept with the books in a journal: each key's type and its bytes in hex.
using KeptValues = std::map<std::string, std::pair<std::string, std::string>>;
KeptValues keptValues(JournalReader& journal);
// Writes one value kept with the books `books`, in place of the one of that key.
void putValue(pqxx::transaction_base& t, int books, const std::string& key,
              const std::pair<std::string, std::string>& value);

// Writes the journal's entries and lines numbered after `after` into the server's books
// `books`, and (with `values`) the values kept with the books, then sets the books' latest
// entry. Each entry is made by the database user, or (with `users`, for books copied whole)
// by the user the journal recorded, when it recorded one.
void copyJournalRows(pqxx::transaction_base& t, int books, JournalReader& journal,
                     std::int64_t after = 0, bool values = true, bool users = false);

} // namespace folio::server
