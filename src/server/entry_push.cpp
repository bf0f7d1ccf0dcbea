#include "server/entry_push.h"
#include "journal/entry.h"
#include "journal/journal_store.h"
#include "server/bank_rows.h"
#include "server/books_copy.h"
#include "server/journal_reader.h"
#include "server/server_rows.h"
#include <QFileInfo>
#include <limits>
#include <pqxx/pqxx>

namespace folio::server {

namespace {

// Moves the account rows from `record` on by one: down over a removed record (`by` -1, the
// record's row deleted first), or up to make room for one put in (`by` 1). The rows pass
// through numbers past any chart, so that no two share a number on the way.
void shiftAccounts(pqxx::transaction_base& t, int books, int record, int by) {
    constexpr int kAside = 1'000'000'000;
    if (by < 0) {
        t.exec_params("DELETE FROM folio_accounts WHERE books = $1 AND record = $2", books, record);
    }
    t.exec_params("UPDATE folio_accounts SET record = record + $3 WHERE books = $1 AND "
                  "record >= $2",
                  books, record, kAside);
    t.exec_params("UPDATE folio_accounts SET record = record - $2 WHERE books = $1 AND "
                  "record >= $2",
                  books, kAside - by);
}

// Writes the account rows the new applied entries leave, in the order they were made: a
// record without an image after a line (a deletion's end) is no longer in the books, and a
// line that moves the records after it (stored under its number negated) removes its record
// or puts one in.
void applyLines(pqxx::transaction_base& t, int books, JournalReader& journal, std::int64_t base) {
    // An entry kept as an image puts each of its records, in its place among the others.
    std::map<std::int64_t, QByteArray> images = imagesAfter(journal, base);
    const auto putImagesBefore = [&](std::int64_t seq) {
        while (!images.empty() && images.begin()->first < seq) {
            for (const journal::Line& line : journal::linesOfImage(images.begin()->second)) {
                putAccount(t, books, line.record, line.after->encodeBytes());
            }
            images.erase(images.begin());
        }
    };
    journal.rows("SELECT l.record, l.after, l.seq FROM lines l JOIN entries e ON e.seq = l.seq "
                 "WHERE l.seq > " +
                     std::to_string(base) + " AND e.status = 1 ORDER BY l.seq, l.line",
                 [&](sqlite3_stmt* row) {
                     putImagesBefore(JournalReader::integer(row, 2));
                     const std::int64_t stored = JournalReader::integer(row, 0);
                     const auto record = static_cast<int>(stored < 0 ? -stored : stored);
                     const bool removed = JournalReader::isNull(row, 1);
                     if (stored < 0) {
                         shiftAccounts(t, books, record, removed ? -1 : 1);
                     }
                     if (removed && stored > 0) {
                         t.exec_params("DELETE FROM folio_accounts WHERE books = $1 AND "
                                       "record = $2",
                                       books, record);
                     } else if (!removed) {
                         putAccount(t, books, record,
                                    QByteArray::fromHex(
                                        QByteArray::fromStdString(JournalReader::hex(row, 1))));
                     }
                 });
    putImagesBefore(std::numeric_limits<std::int64_t>::max());
}

// The lock date follows the books' locks and reopenings, so that the server refuses what is
// dated inside a locked period whoever writes it.
void followLocks(pqxx::transaction_base& t, int books, JournalReader& journal, std::int64_t base) {
    journal.rows("SELECT kind, date FROM entries WHERE seq > " + std::to_string(base) +
                     " AND status = 1 AND kind IN ('lock', 'reopen') ORDER BY seq",
                 [&](sqlite3_stmt* row) {
                     if (JournalReader::text(row, 0) == "lock") {
                         t.exec_params("INSERT INTO folio_lock_dates(books, through) VALUES "
                                       "($1, $2) ON CONFLICT (books) DO UPDATE SET through = "
                                       "EXCLUDED.through",
                                       books, JournalReader::text(row, 1));
                     } else {
                         t.exec_params("DELETE FROM folio_lock_dates WHERE books = $1", books);
                     }
                 });
}

// The values the working copy changed since it was made (`before`): another client's change
// of a value this one left alone stays.
void pushChangedValues(pqxx::transaction_base& t, int books, const KeptValues& before,
                       const KeptValues& now) {
    for (const auto& [key, value] : now) {
        const auto was = before.find(key);
        if (was == before.cend() || was->second != value) {
            putValue(t, books, key, value);
        }
    }
    for (const auto& [key, value] : before) {
        if (!now.contains(key)) {
            t.exec_params("DELETE FROM folio_values WHERE books = $1 AND key = $2", books, key);
        }
    }
}

// A closed copy of the same name made by an earlier closing stays, under its name and the
// time it was replaced: the server keeps every closing.
void setAsideEarlierCopy(pqxx::transaction_base& t, const QString& name) {
    t.exec_params("UPDATE folio_books SET name = name || ' before ' || "
                  "to_char(now(), 'YYYY-MM-DD HH24:MI:SS') WHERE name = $1",
                  name.toStdString());
}

// Sends what the working copy recorded since `mark` into the books `books`; see
// pushWorkingCopy.
ServerMark pushInto(pqxx::transaction_base& t, int books, const QString& workingPath,
                    const ServerMark& mark, const QStringList& closedCopies) {
    const std::int64_t base = mark.lastSeq;
    ServerMark after = mark;
    const auto last = t.exec_params1("SELECT last_seq FROM folio_books WHERE id = $1", books)[0]
                          .as<std::int64_t>();
    if (last != base) {
        throw BooksMoved();
    }
    // The entries first: the server's rules on them (who may close) speak before the
    // closed copy is written.
    JournalReader journal(journal::journalPathOf(workingPath));
    copyJournalRows(t, books, journal, base, false);
    after.values = keptValues(journal);
    pushChangedValues(t, books, mark.values, after.values);
    pushBankRows(t, books, journal, base, mark.lastReconciliation);
    for (const QString& copy : closedCopies) {
        const QString name = QFileInfo(copy).fileName();
        setAsideEarlierCopy(t, name);
        addFileBooks(t, copy, name);
    }
    applyLines(t, books, journal, base);
    followLocks(t, books, journal, base);
    const pqxx::row now = t.exec_params1(
        "SELECT last_seq, (SELECT coalesce(max(id), 0) FROM folio_reconciliations WHERE "
        "books = $1) FROM folio_books WHERE id = $1",
        books);
    after.lastSeq = now[0].as<std::int64_t>();
    after.lastReconciliation = now[1].as<std::int64_t>();
    after.valuesStamp = valuesStamp(t, books);
    return after;
}

} // namespace

ServerMark pushWorkingCopy(ServerBooks& server, const QString& workingPath, const ServerMark& mark,
                           const QStringList& closedCopies,
                           const std::vector<WorkingCopy>& alongside) {
    ServerMark after = mark;
    server.change([&](pqxx::transaction_base& t, int books) {
        after = pushInto(t, books, workingPath, mark, closedCopies);
        for (const WorkingCopy& other : alongside) {
            const pqxx::result id = t.exec_params("SELECT id FROM folio_books WHERE name = $1",
                                                  other.books.toStdString());
            if (id.empty()) {
                throw BooksMoved();
            }
            pushInto(t, id[0][0].as<int>(), other.path, other.mark, {});
        }
    });
    return after;
}

} // namespace folio::server
