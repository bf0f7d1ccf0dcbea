#pragma once
#include "data/account_record.h"
#include "journal/entry.h"
#include "journal/posting_math.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <pqxx/types.hxx>
#include <stdexcept>
#include <vector>

namespace folio::server {

// A refusal or failure of the server, in words the user sees.
class ServerError : public std::runtime_error {
  public:
    explicit ServerError(const QString& words)
        : std::runtime_error(words.toStdString()), words_(words) {}
    const QString& words() const { return words_; }

  private:
    QString words_;
};

// Where server books are: the libpq address (postgresql://USER@HOST/DBNAME) and the name of
// the set of books in that database ("books" unless the address ends in #NAME).
struct ServerAddress {
    std::string connection;
    QString books;
    static bool isServerAddress(const QString& text);
    static ServerAddress parse(const QString& text);
};

// Books kept in a PostgreSQL database. Each change is one transaction at SERIALIZABLE
// isolation that writes the entry, its lines and the account rows together, retried on a
// serialization failure before the user is told; other connections hear of it through
// NOTIFY folio_changed.
class ServerBooks {
  public:
    explicit ServerBooks(const ServerAddress& address);
    ~ServerBooks();
    ServerBooks(const ServerBooks&) = delete;
    ServerBooks& operator=(const ServerBooks&) = delete;

    // Creates the tables, rules and roles where they are missing, or brings those an older
    // Folio made up to date (an administrator's step).
    void installSchema();
    // Refuses, saying what to run, a database without Folio's tables or whose tables an
    // older (or newer) Folio set up.
    void checkTables();
    // Creates the set of books with these records and an opening entry; refused when a set
    // of that name exists.
    void create(const std::vector<AccountRecord>& records, const QDate& date);
    bool exists();

    std::vector<AccountRecord> records();
    // The entries of the journal, oldest first, with their lines.
    std::vector<journal::Entry> entries();
    // Who made each entry, in the order of entries().
    std::vector<QString> makers();
    // Who made one entry (empty when there is none of that number).
    QString madeBy(std::int64_t seq);
    // The database user this connection logs in as.
    QString user();
    // The names of the other sets of books of the database that were closed, in order.
    QStringList closedBooksBeside();

    // Posts amounts to accounts as one entry (a posting, or a balanced entry whose debits
    // equal its credits). Gives the entry's number.
    std::int64_t post(journal::EntryKind kind, const QDate& date, const QString& memo,
                      const std::vector<journal::AmountLine>& lines);
    // Sets the date through which no entry may be made; it only moves forward.
    void lockThrough(const QDate& date);
    // Marks the books closed, once: a second closing of the same books is refused with the
    // words that say who closed them and when.
    void markClosed(const QString& closedInto);

    // Runs `work` as one change of these books: one SERIALIZABLE transaction, tried again on
    // a serialization failure, announced to other connections when it commits.
    void change(const std::function<void(pqxx::transaction_base&, int books)>& work);
    // The number of the books' latest entry, as committed now.
    std::int64_t lastSeq();
    // The number of the books' latest reconciliation (0 for none), as committed now.
    std::int64_t lastReconciliation();
    // A digest of the values kept with the books (company values, bank rules, cash-flow
    // classes) as committed now; it changes whenever one of them does.
    std::string valuesStamp();

    // How often the last change was tried again after a serialization failure.
    int lastRetries() const { return lastRetries_; }
    pqxx::connection_base& connection();
    const ServerAddress& address() const { return address_; }
    int booksId();

  private:
    template <typename Work> auto serializable(Work&& work);
    // A number the query gives for these books ($1), as committed now.
    std::int64_t latest(const char* sql);

    ServerAddress address_;
    struct Connection;
    std::unique_ptr<Connection> connection_;
    int booksId_ = 0;
    int lastRetries_ = 0;
};

} // namespace folio::server
