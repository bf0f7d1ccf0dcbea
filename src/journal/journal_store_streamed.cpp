// An entry too large to hold in memory, committed as its lines are read: the opening
// balances of large books.
#include "journal/entry_chain.h"
#include "journal/journal_store.h"
#include <utility>

namespace folio::journal {

namespace {

// While such an entry is written SQLite keeps up to 64 MiB of pages in memory, so that the
// pages of its lines and of their index reach the log once each, not again at every spill.
constexpr const char* kLargeCache = "PRAGMA cache_size=-65536";
constexpr const char* kUsualCache = "PRAGMA cache_size=-2000";

} // namespace

void JournalStore::commitStreamed(Entry& entry, std::int64_t lineCount, const LineFeed& feed,
                                  const BooksShape& shape) {
    cached("PRAGMA synchronous=FULL").run();
    db_.exec(kLargeCache);
    struct UsualCache {
        Database& db;
        ~UsualCache() { db.tryExec(kUsualCache); }
    } usualCache{db_};
    Transaction transaction(db_);
    const std::map<QString, QString> staged = std::exchange(staged_, {});
    if (entry.user.isNull()) {
        entry.user = loginName();
    }
    Statement heading(db_, "INSERT INTO entries(made, date, memo, kind, status, user) "
                           "VALUES(?, ?, ?, ?, 1, ?)");
    heading.bind(1, entry.made.toUTC().toString(Qt::ISODateWithMs))
        .bind(2, entry.date.toString(Qt::ISODate))
        .bind(3, entry.memo)
        .bind(4, kindName(entry.kind))
        .bind(5, entry.user)
        .run();
    entry.seq = db_.lastInsertId();
    ChainHasher hasher(chainHead(), entry, lineCount);
    Statement insert(db_, "INSERT INTO lines VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
    std::int64_t number = 0;
    const bool whole = feed([&](const Line& line) {
        insert.bind(1, entry.seq)
            .bind(2, ++number)
            .bind(3, line.record)
            .bind(4, line.name)
            .bind(5, line.type)
            .bind(6, line.debit.raw())
            .bind(7, line.credit.raw())
            .bind(8, storedImage(line.before))
            .bind(9, storedImage(line.after));
        insert.run();
        hasher.add(line);
    });
    if (!whole || number != lineCount) {
        throw OpeningStopped(); // the transaction is rolled back: nothing of it stays
    }
    entry.hash = keepSeal(entry.seq, hasher.result());
    putShape(shape);
    for (const auto& [key, value] : staged) {
        setValue(key, value);
    }
    cached("INSERT OR REPLACE INTO books VALUES('pending', 0)").run();
    transaction.commit();
}

} // namespace folio::journal
