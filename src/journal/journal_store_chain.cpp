// The chain of hashes over the journal's entries, and the step that adds it to a journal
// written before entries were hashed.
#include "journal/entry_chain.h"
#include "journal/journal_store.h"

namespace folio::journal {

bool JournalStore::addChain() {
    Statement hashed(db_, "SELECT 1 FROM pragma_table_info('entries') WHERE name = 'hash'");
    if (hashed.step()) {
        return false;
    }
    Transaction transaction(db_);
    db_.exec("ALTER TABLE entries ADD COLUMN user TEXT NOT NULL DEFAULT ''");
    db_.exec("ALTER TABLE entries ADD COLUMN hash BLOB");
    // The entries already written are sealed as they stand: the chain vouches for them
    // from here on, not for what happened to them before.
    std::vector<Entry> sealed;
    scanAll([&sealed](const Entry& entry, Status) {
        sealed.push_back(entry);
        return true;
    });
    for (const Entry& entry : sealed) {
        seal(entry);
    }
    transaction.commit();
    return !sealed.empty();
}

QByteArray JournalStore::seal(const Entry& entry) {
    return keepSeal(entry.seq, chainedHash(chainHead(), entry));
}

QByteArray JournalStore::keepSeal(std::int64_t seq, const QByteArray& hash) {
    cached("UPDATE entries SET hash = ? WHERE seq = ?")
        .bind(1, std::optional<QByteArray>(hash))
        .bind(2, seq)
        .run();
    Statement& put = cached("INSERT OR REPLACE INTO books VALUES(?, ?)");
    put.bind(1, QStringLiteral("head")).bind(2, std::optional<QByteArray>(hash)).run();
    put.bind(1, QStringLiteral("head_seq")).bind(2, seq).run();
    return hash;
}

QByteArray JournalStore::chainHead() {
    Statement& query = cached("SELECT value FROM books WHERE key = 'head'");
    return query.step() ? query.blob(0).value_or(QByteArray()) : QByteArray();
}

std::int64_t JournalStore::chainHeadSeq() {
    Statement& query = cached("SELECT value FROM books WHERE key = 'head_seq'");
    return query.step() ? query.integer(0) : 0;
}

} // namespace folio::journal
