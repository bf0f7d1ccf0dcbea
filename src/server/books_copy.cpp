#include "server/books_copy.h"
#include "journal/entry_chain.h"
#include "journal/journal_store.h"
#include "journal/sqlite_db.h"
#include "server/bank_rows.h"
#include "server/journal_reader.h"
#include "server/server_rows.h"
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <pqxx/pqxx>
#include <sqlite3.h>

namespace folio::server {

namespace {

constexpr qsizetype kRecordSize = 62;

QByteArray readBooksFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ServerError(QStringLiteral("Folio cannot read %1: %2").arg(path, file.errorString()));
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() % kRecordSize != 0) {
        throw ServerError(QStringLiteral("%1 does not hold whole account records; nothing was "
                                         "copied.")
                              .arg(path));
    }
    return bytes;
}

// Books without a journal start their history on the server with every record as found.
void insertOpening(pqxx::transaction_base& t, int books, const QByteArray& bytes) {
    journal::Entry opening;
    opening.seq = nextSeq(t, books);
    opening.kind = journal::EntryKind::Opening;
    opening.made = QDateTime::currentDateTimeUtc();
    opening.date = opening.made.date();
    opening.memo = QStringLiteral("Opening balances");
    for (qsizetype at = 0; at < bytes.size(); at += kRecordSize) {
        opening.lines.push_back(
            journal::lineFor(static_cast<int>(at / kRecordSize) + 1, std::nullopt,
                             AccountRecord::decodeBytes(bytes.mid(at, kRecordSize))));
    }
    insertEntry(t, books, opening, 0);
}

std::optional<QByteArray> blobOf(const pqxx::field& field) {
    if (field.is_null()) {
        return std::nullopt;
    }
    return QByteArray::fromHex(QByteArray::fromStdString(field.as<std::string>()));
}

// Seals the entries copied into a new journal, oldest first, each to the one before it, so
// that the copy's chain of hashes vouches for the entries as the server holds them.
void sealEntries(journal::JournalStore& store) {
    std::vector<std::pair<std::int64_t, QByteArray>> seals;
    QByteArray head;
    store.scanAll([&](const journal::Entry& entry, journal::JournalStore::Status) {
        head = journal::chainedHash(head, entry);
        seals.emplace_back(entry.seq, head);
        return true;
    });
    journal::Database& db = store.database();
    journal::Statement seal(db, "UPDATE entries SET hash = ? WHERE seq = ?");
    for (const auto& [seq, hash] : seals) {
        seal.reset();
        seal.bind(1, std::optional<QByteArray>(hash)).bind(2, seq).run();
    }
    if (!seals.empty()) {
        journal::Statement put(db, "INSERT OR REPLACE INTO books VALUES(?, ?)");
        put.bind(1, QStringLiteral("head")).bind(2, std::optional<QByteArray>(head)).run();
        put.reset();
        put.bind(1, QStringLiteral("head_seq")).bind(2, seals.back().first).run();
    }
}

// Writes the server's journal rows, and its bank work, into a new journal at `path`, the
// entries sealed into a chain of hashes and each kept with the database user who made it.
void writeJournal(pqxx::connection_base& c, int books, const QString& path) {
    journal::JournalStore store;
    store.open(path);
    journal::Database& db = store.database();
    journal::Transaction transaction(db);
    pqxx::nontransaction t(c);
    journal::Statement entry(db, "INSERT INTO entries(seq, made, date, memo, kind, status, "
                                 "reversal_of, below, user) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    std::int64_t last = 0;
    for (const auto& row : t.exec_params("SELECT seq, made, date, memo, kind, status, "
                                         "reversal_of, below, made_by FROM folio_entries WHERE "
                                         "books = $1 ORDER BY seq",
                                         books)) {
        last = row[0].as<std::int64_t>();
        entry.reset();
        entry.bind(1, row[0].as<std::int64_t>())
            .bind(2, QString::fromStdString(row[1].as<std::string>()))
            .bind(3, QString::fromStdString(row[2].as<std::string>()))
            .bind(4, QString::fromStdString(row[3].as<std::string>()))
            .bind(5, QString::fromStdString(row[4].as<std::string>()))
            .bind(6, row[5].as<std::int64_t>());
        if (row[6].is_null()) {
            entry.bindNull(7);
        } else {
            entry.bind(7, row[6].as<std::int64_t>());
        }
        entry.bind(8, row[7].as<std::int64_t>())
            .bind(9, QString::fromStdString(row[8].as<std::string>()))
            .run();
    }
    journal::Statement line(db, "INSERT INTO lines(seq, line, record, name, type, debit, credit, "
                                "before, after) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const auto& row : t.exec_params(
             "SELECT seq, line, record, name, type, debit, credit, encode(before, 'hex'), "
             "encode(after, 'hex') FROM folio_lines WHERE books = $1 ORDER BY seq, line",
             books)) {
        line.reset();
        line.bind(1, row[0].as<std::int64_t>())
            .bind(2, row[1].as<std::int64_t>())
            .bind(3, row[2].as<std::int64_t>())
            .bind(4, QString::fromStdString(row[3].as<std::string>()))
            .bind(5, QString::fromStdString(row[4].as<std::string>()))
            .bind(6, row[5].as<std::int64_t>())
            .bind(7, row[6].as<std::int64_t>())
            .bind(8, blobOf(row[7]))
            .bind(9, blobOf(row[8]))
            .run();
    }
    writeServerValues(t, books, db);
    pullBankRows(t, books, db, last);
    sealEntries(store);
    transaction.commit();
    store.close();
}

} // namespace

void writeServerValues(pqxx::transaction_base& t, int books, journal::Database& db,
                       const std::function<bool(const QString&)>& journalsOwn) {
    journal::Statement value(db, "INSERT OR REPLACE INTO books(key, value) VALUES (?, ?)");
    for (const auto& row : t.exec_params("SELECT key, value_type, encode(value, 'hex') FROM "
                                         "folio_values WHERE books = $1",
                                         books)) {
        const QString key = QString::fromStdString(row[0].as<std::string>());
        if (journalsOwn && journalsOwn(key)) {
            continue;
        }
        value.reset();
        const std::string type = row[1].as<std::string>();
        const QByteArray bytes = blobOf(row[2]).value_or(QByteArray());
        value.bind(1, key);
        if (type == "integer") {
            value.bind(2, QString::fromLatin1(bytes).toLongLong());
        } else if (type == "blob") {
            value.bind(2, std::optional<QByteArray>(bytes));
        } else if (type == "null") {
            value.bindNull(2);
        } else {
            value.bind(2, QString::fromUtf8(bytes));
        }
        value.run();
    }
}

void copyServerToFile(const ServerAddress& from, const QString& filePath) {
    const QString journalPath = journal::journalPathOf(filePath);
    if (QFileInfo::exists(filePath) || QFileInfo::exists(journalPath)) {
        throw ServerError(QStringLiteral("%1 exists already; a copy never writes over books. "
                                         "Choose a new name.")
                              .arg(QFileInfo::exists(filePath) ? filePath : journalPath));
    }
    ServerBooks server(from);
    copyServerToFile(server, filePath);
}

void copyServerToFile(ServerBooks& server, const QString& filePath) {
    const QString journalPath = journal::journalPathOf(filePath);
    const int id = server.booksId();
    QByteArray bytes;
    for (const QByteArray& image : accountImages(server.connection(), id)) {
        bytes += image;
    }
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw ServerError(
            QStringLiteral("Folio cannot write %1: %2").arg(filePath, file.errorString()));
    }
    // The books first, then their journal beside them under its own name: a copy stopped
    // between the two leaves books that start a new journal when opened.
    const QString part = journalPath + QStringLiteral(".part");
    QFile::remove(part);
    try {
        writeJournal(server.connection(), id, part);
    } catch (...) {
        QFile::remove(part);
        QFile::remove(filePath);
        throw;
    }
    if (!QFile::rename(part, journalPath)) {
        QFile::remove(part);
        QFile::remove(filePath);
        throw ServerError(QStringLiteral("Folio cannot write %1.").arg(journalPath));
    }
}

// Adds books of a file, read already; `users`: each entry made by the user the journal
// recorded (a copy), not by the database user (a closed copy a closing wrote).
int addFileBooks(pqxx::transaction_base& t, const QByteArray& bytes, const QString& journalPath,
                 const QString& name, bool users) {
    const int id = insertBooks(t, name);
    for (qsizetype at = 0; at < bytes.size(); at += kRecordSize) {
        putAccount(t, id, static_cast<int>(at / kRecordSize) + 1, bytes.mid(at, kRecordSize));
    }
    if (QFileInfo(journalPath).isFile()) {
        JournalReader journal(journalPath);
        copyJournalRows(t, id, journal, 0, true, users);
        pushBankRows(t, id, journal, 0, 0);
    } else {
        insertOpening(t, id, bytes);
    }
    return id;
}

int addFileBooks(pqxx::transaction_base& t, const QString& filePath, const QString& name) {
    return addFileBooks(t, readBooksFile(filePath), journal::journalPathOf(filePath), name, false);
}

void copyFileToServer(const QString& filePath, const ServerAddress& to) {
    const QByteArray bytes = readBooksFile(filePath);
    const QString journalPath = journal::journalPathOf(filePath);
    ServerBooks server(to);
    server.checkTables();
    try {
        pqxx::transaction<pqxx::isolation_level::serializable> t(server.connection());
        addFileBooks(t, bytes, journalPath, to.books, true);
        t.commit();
    } catch (const pqxx::sql_error& e) {
        throw ServerError(serverWords(e));
    }
}

} // namespace folio::server
