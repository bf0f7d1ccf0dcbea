#include "server/entry_pull.h"
#include "data/file_table.h"
#include "data/record_patch.h"
#include "journal/bank_tables.h"
#include "journal/books_digest.h"
#include "journal/entry_chain.h"
#include "journal/file_image.h"
#include "journal/journal_store.h"
#include "server/bank_rows.h"
#include "server/books_copy.h"
#include "server/server_rows.h"
#include <optional>
#include <pqxx/pqxx>

namespace folio::server {

namespace {

using journal::Entry;
using journal::JournalStore;
using Status = JournalStore::Status;

constexpr int kFile = 1;

// The values a journal keeps about itself and the file beside it, never taken from the
// server: the books it belongs to, their digest, the head of its chain, its pending entry.
constexpr const char* kJournalsOwn = "'books', 'sum', 'records', 'head', 'head_seq', 'pending', "
                                     "'before_done', 'before_undone', 'before_sum', "
                                     "'before_records', 'generation'";

bool journalsOwn(const QString& key) {
    return QString::fromLatin1(kJournalsOwn).contains(QLatin1Char('\'') + key + QLatin1Char('\''));
}

// Whether two entries say the same: all an entry's hash covers but who made it (the copy
// knows its own entries by the login, the server by the database user).
bool sameEntry(Entry a, Entry b) {
    a.user.clear();
    b.user.clear();
    return journal::chainedHash({}, a) == journal::chainedHash({}, b);
}

// Whether each record the entry changes in place holds what the entry found there.
bool foundAsRecorded(journal::BooksFile file, const Entry& entry) {
    const int count = file.files.recordCount(file.number);
    for (const journal::Line& line : entry.lines) {
        if (line.moves || !line.before || line.record > count) {
            continue;
        }
        if (file.files.get(file.number, line.record).encodeBytes() != line.before->encodeBytes()) {
            return false;
        }
    }
    return true;
}

// Takes back the entries after `base` that the copy recorded but the server never took,
// newest first, each record given its image before, with the bank work recorded since;
// false when one cannot be taken back in place (it moved records, or lengthened or
// shortened the file).
bool takeBackUnsent(JournalStore& store, journal::BooksFile file, const ServerMark& mark) {
    const std::int64_t base = mark.lastSeq;
    for (std::int64_t seq = store.lastSeq(); seq > base; --seq) {
        const std::optional<Entry> entry = store.entry(seq);
        if (!entry || store.status(seq) == Status::Abandoned) {
            continue;
        }
        Entry back = *entry;
        for (journal::Line& line : back.lines) {
            if (line.moves || !line.before || !line.after) {
                return false;
            }
            std::swap(line.before, line.after);
        }
        journal::writeEntry(file, journal::patchOf(back, file.files.length(file.number)));
    }
    journal::Transaction transaction(store.database());
    for (const char* table : {"bank_lines", "bank_imports", "lines", "entries"}) {
        journal::Statement drop(
            store.database(), (QByteArray("DELETE FROM ") + table + " WHERE seq > ?").constData());
        drop.bind(1, base).run();
    }
    journal::Statement cleared(store.database(),
                               "DELETE FROM reconciled_lines WHERE reconciliation > ?");
    cleared.bind(1, mark.lastReconciliation).run();
    journal::Statement reconciled(store.database(), "DELETE FROM reconciliations WHERE id > ?");
    reconciled.bind(1, mark.lastReconciliation).run();
    transaction.commit();
    return true;
}

// Records a server's entry in the copy's journal and writes it to the file, as the journal
// records a change of its own (committed, written, marked applied); an abandoned one is
// recorded and marked so, the file untouched. False when it cannot be recorded as it is.
bool recordPulled(JournalStore& store, journal::BooksFile file, StoredEntry& pulled,
                  journal::BooksDigest& digest) {
    Entry& entry = pulled.entry;
    const std::int64_t seq = entry.seq;
    const auto status = static_cast<Status>(pulled.status);
    if ((status != Status::Applied && status != Status::Abandoned) ||
        (status == Status::Applied && !foundAsRecorded(file, entry))) {
        return false;
    }
    const journal::BooksShape before{digest, store.undoState()};
    const RecordPatch patch = journal::patchOf(entry, file.files.length(file.number));
    journal::BooksShape after = before;
    // A record removed or put in: the file is written whole beside itself, and the digest
    // of the records that move taken on that pass, before the entry is kept.
    std::optional<StagedRewrite> staged;
    if (status == Status::Applied && journal::movesRecords(entry)) {
        after.digest = digest.afterMoveOf(file, patch);
        if (patch.rewrite) {
            staged.emplace(file.files, file.number, file.path, patch,
                           [&after](int from, int to, std::span<const RecordBytes> records) {
                               after.digest.moved(from, to, records);
                           });
        }
    } else if (status == Status::Applied) {
        after.digest = digest.after(entry);
    }
    store.commit(entry, after, pulled.below, false, digest);
    if (entry.seq != seq) {
        return false; // the copy numbers its entries otherwise than the server
    }
    if (status == Status::Abandoned) {
        store.abandon(entry.seq, before);
        return true;
    }
    staged ? staged->commit() : journal::writeEntry(file, patch);
    store.markApplied(entry.seq);
    digest = after.digest;
    return true;
}

// Brings the open copy forward within the server's snapshot `t`; see pullNewEntries.
std::optional<std::int64_t> bringForward(pqxx::transaction_base& t, int books, JournalStore& store,
                                         journal::BooksFile file, const ServerMark& mark) {
    const std::int64_t base = mark.lastSeq;
    journal::ensureBankTables(store.database());
    const auto last = t.exec_params1("SELECT last_seq FROM folio_books WHERE id = $1", books)[0]
                          .as<std::int64_t>();
    std::optional<journal::BooksDigest> digest = store.digest();
    if (store.lastSeq() > base) {
        if (!takeBackUnsent(store, file, mark)) {
            return std::nullopt;
        }
        digest = journal::digestOfFile(file);
    }
    const std::int64_t held = store.lastSeq();
    if (held != base || held == 0 || held > last || !digest) {
        return std::nullopt;
    }
    std::vector<StoredEntry> pulled = readStoredEntries(t, books, held);
    const std::optional<Entry> mine = store.entry(held);
    if (pulled.empty() || pulled.front().entry.seq != held || !mine ||
        !sameEntry(*mine, pulled.front().entry)) {
        return std::nullopt; // the server's history is not the copy's
    }
    for (std::size_t i = 1; i < pulled.size(); ++i) {
        if (!recordPulled(store, file, pulled[i], *digest)) {
            return std::nullopt;
        }
    }
    if (journal::digestOfFile(file) != *digest) {
        return std::nullopt;
    }
    journal::Transaction transaction(store.database());
    store.database().exec(
        (QByteArray("DELETE FROM books WHERE key NOT IN (") + kJournalsOwn + ")").constData());
    writeServerValues(t, books, store.database(), journalsOwn);
    pullBankRows(t, books, store.database(), last);
    store.setValue(QStringLiteral("sum"), QString::number(static_cast<qint64>(digest->sum)));
    store.setValue(QStringLiteral("records"), QString::number(digest->records));
    transaction.commit();
    return last;
}

} // namespace

std::optional<ServerMark> pullNewEntries(ServerBooks& server, const QString& workingPath,
                                         const ServerMark& base) {
    if (base.lastReconciliation < 0) {
        return std::nullopt;
    }
    const int books = server.booksId();
    const QString journalPath = journal::journalPathOf(workingPath);
    // One snapshot of the server: the entries, their lines, the values and the bank work agree.
    pqxx::transaction<pqxx::isolation_level::repeatable_read, pqxx::read_only> t(
        server.connection());
    ServerMark now;
    {
        FileTable files;
        files.open(kFile, workingPath);
        JournalStore store;
        store.open(journalPath);
        const std::optional<std::int64_t> last =
            bringForward(t, books, store, {files, kFile, workingPath}, base);
        if (!last) {
            return std::nullopt;
        }
        now.lastSeq = *last;
    }
    now.lastReconciliation =
        t.exec_params1("SELECT coalesce(max(id), 0) FROM folio_reconciliations WHERE books = $1",
                       books)[0]
            .as<std::int64_t>();
    now.valuesStamp = valuesStamp(t, books);
    JournalReader journal(journalPath);
    now.values = keptValues(journal);
    return now;
}

} // namespace folio::server
