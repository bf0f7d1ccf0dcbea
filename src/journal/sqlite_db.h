#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace folio::journal {

// One connection to an SQLite database. Every failure throws FileError with the number
// that says best what went wrong (61 disk full, 70 permission denied, 57 device error).
class Database {
  public:
    Database() = default;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Opens for reading and writing, creating a missing file; a link is refused.
    void open(const QString& path);
    // Opens for reading only; nothing is ever written, checkpointed or removed, and
    // `fileAlone` reads the database file as it stands, without its log.
    void openToRead(const QString& path, bool fileAlone);
    // Closing then leaves the log as it is (never copied into the database nor removed).
    void keepLogOnClose();
    void close();
    // Runs a statement and gives SQLite's result code instead of throwing.
    int tryExec(const char* sql);
    bool isOpen() const { return db_ != nullptr; }
    // The path the database was opened at (empty when closed).
    const QString& path() const { return path_; }
    void exec(const char* sql);
    std::int64_t lastInsertId() const;
    sqlite3* handle() const { return db_; }
    [[noreturn]] void fail(int code) const;

  private:
    void openWith(const QByteArray& name, int flags);
    sqlite3* db_ = nullptr;
    QString path_;
};

// A prepared statement; bind by position (from 1), step, read columns (from 0).
class Statement {
  public:
    Statement(const Database& db, const char* sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& bind(int at, std::int64_t value);
    Statement& bind(int at, const QString& text);
    Statement& bind(int at, const std::optional<QByteArray>& blob);
    // A blob SQLite reads in place, not copied: the bytes must stay until the next step.
    Statement& bindInPlace(int at, QByteArrayView blob);
    Statement& bindNull(int at);
    // True while a row is ready.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    bool isNull(int column) const;
    std::int64_t integer(int column) const;
    QString text(int column) const;
    std::optional<QByteArray> blob(int column) const;

  private:
    const Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A transaction that rolls back unless committed.
class Transaction {
  public:
    explicit Transaction(Database& db);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();
    void commit();

  private:
    Database& db_;
    bool open_ = true;
};

} // namespace folio::journal
