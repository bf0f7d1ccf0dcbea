#include "server/server_rows.h"
#include "server/server_books.h"
#include <algorithm>
#include <pqxx/pqxx>

namespace folio::server {

namespace {

std::string hexOf(const std::optional<AccountRecord>& record) {
    return record ? record->encodeBytes().toHex().toStdString() : std::string();
}

std::optional<AccountRecord> recordFromHex(const pqxx::field& field) {
    if (field.is_null()) {
        return std::nullopt;
    }
    return AccountRecord::decodeBytes(
        QByteArray::fromHex(QByteArray::fromStdString(field.as<std::string>())));
}

QString text(const pqxx::field& field) {
    return field.is_null() ? QString() : QString::fromStdString(field.as<std::string>());
}

} // namespace

QString serverWords(const std::exception& failure) {
    QString words = QString::fromUtf8(failure.what()).trimmed();
    if (words.startsWith(QLatin1String("ERROR:"))) {
        words = words.mid(6).trimmed();
    }
    const qsizetype end = words.indexOf(QLatin1Char('\n'));
    return end < 0 ? words : words.left(end).trimmed();
}

ServerError unreachableServer(const std::exception& failure) {
    return ServerError(
        QStringLiteral("Folio cannot reach the books' server: %1").arg(serverWords(failure)));
}

int insertBooks(pqxx::transaction_base& t, const QString& name) {
    const pqxx::result r =
        t.exec_params("INSERT INTO folio_books(name) VALUES ($1) ON CONFLICT (name) DO NOTHING "
                      "RETURNING id",
                      name.toStdString());
    if (r.empty()) {
        throw ServerError(
            QStringLiteral("The server holds books named \"%1\" already; nothing was written.")
                .arg(name));
    }
    return r[0][0].as<int>();
}

void putAccount(pqxx::transaction_base& t, int books, int record, const QByteArray& image) {
    const AccountRecord account = AccountRecord::decodeBytes(image);
    t.exec_params("INSERT INTO folio_accounts(books, record, name, type, current_balance, "
                  "ytd_balance, image) VALUES ($1, $2, $3, $4, $5, $6, decode($7, 'hex')) "
                  "ON CONFLICT (books, record) DO UPDATE SET name = EXCLUDED.name, "
                  "type = EXCLUDED.type, current_balance = EXCLUDED.current_balance, "
                  "ytd_balance = EXCLUDED.ytd_balance, image = EXCLUDED.image",
                  books, record, account.name.toStdString(), account.type.toStdString(),
                  account.current.raw(), account.ytd.raw(), image.toHex().toStdString());
}

AccountRecord readAccount(pqxx::transaction_base& t, int books, int record) {
    const pqxx::result r = t.exec_params(
        "SELECT encode(image, 'hex') FROM folio_accounts WHERE books = $1 AND record = $2", books,
        record);
    if (r.empty()) {
        throw ServerError(
            QStringLiteral("The books hold no account at record %1; nothing was posted.")
                .arg(record));
    }
    return AccountRecord::decodeBytes(
        QByteArray::fromHex(QByteArray::fromStdString(r[0][0].as<std::string>())));
}

std::int64_t nextSeq(pqxx::transaction_base& t, int books) {
    return t
        .exec_params1("UPDATE folio_books SET last_seq = last_seq + 1 WHERE id = $1 "
                      "RETURNING last_seq",
                      books)[0]
        .as<std::int64_t>();
}

void insertEntry(pqxx::transaction_base& t, int books, const journal::Entry& entry,
                 std::int64_t below, int status) {
    t.exec_params("INSERT INTO folio_entries(books, seq, made, date, memo, kind, status, "
                  "reversal_of, below) VALUES ($1, $2, $3, $4, $5, $6, $7, NULLIF($8, 0), $9)",
                  books, entry.seq, entry.made.toUTC().toString(Qt::ISODateWithMs).toStdString(),
                  entry.date.toString(Qt::ISODate).toStdString(), entry.memo.toStdString(),
                  journal::kindName(entry.kind).toStdString(), status, entry.reversalOf.value_or(0),
                  below);
    int at = 0;
    for (const journal::Line& line : entry.lines) {
        t.exec_params("INSERT INTO folio_lines(books, seq, line, record, name, type, debit, "
                      "credit, before, after) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, "
                      "decode(NULLIF($9, ''), 'hex'), decode(NULLIF($10, ''), 'hex'))",
                      books, entry.seq, at++, line.record, line.name.toStdString(),
                      line.type.toStdString(), line.debit.raw(), line.credit.raw(),
                      hexOf(line.before), hexOf(line.after));
    }
}

std::vector<QByteArray> accountImages(pqxx::connection_base& c, int books) {
    pqxx::nontransaction t(c);
    std::vector<QByteArray> images;
    for (const auto& row : t.exec_params("SELECT encode(image, 'hex') FROM folio_accounts "
                                         "WHERE books = $1 ORDER BY record",
                                         books)) {
        images.push_back(QByteArray::fromHex(QByteArray::fromStdString(row[0].as<std::string>())));
    }
    return images;
}

std::vector<StoredEntry> readStoredEntries(pqxx::transaction_base& t, int books,
                                           std::int64_t from) {
    std::vector<StoredEntry> entries;
    for (const auto& row :
         t.exec_params("SELECT seq, made, date, memo, kind, reversal_of, made_by, status, below "
                       "FROM folio_entries WHERE books = $1 AND seq >= $2 ORDER BY seq",
                       books, from)) {
        StoredEntry stored;
        journal::Entry& entry = stored.entry;
        entry.seq = row[0].as<std::int64_t>();
        entry.made = QDateTime::fromString(text(row[1]), Qt::ISODateWithMs);
        entry.date = QDate::fromString(text(row[2]), Qt::ISODate);
        entry.memo = text(row[3]);
        entry.kind = journal::kindFromName(text(row[4])).value_or(journal::EntryKind::Posting);
        if (!row[5].is_null()) {
            entry.reversalOf = row[5].as<std::int64_t>();
        }
        entry.user = text(row[6]);
        stored.status = row[7].as<int>();
        stored.below = row[8].as<std::int64_t>();
        entries.push_back(std::move(stored));
    }
    std::size_t at = 0;
    for (const auto& row :
         t.exec_params("SELECT seq, record, name, type, debit, credit, encode(before, 'hex'), "
                       "encode(after, 'hex') FROM folio_lines WHERE books = $1 AND seq >= $2 "
                       "ORDER BY seq, line",
                       books, from)) {
        const auto seq = row[0].as<std::int64_t>();
        while (at < entries.size() && entries[at].entry.seq < seq) {
            ++at;
        }
        if (at == entries.size()) {
            break;
        }
        // A line that moves the records after it keeps its record's number negated.
        const int record = row[1].as<int>();
        journal::Line line;
        line.moves = record < 0;
        line.record = line.moves ? -record : record;
        line.name = text(row[2]);
        line.type = text(row[3]);
        line.debit = Money::fromRaw(row[4].as<std::int64_t>());
        line.credit = Money::fromRaw(row[5].as<std::int64_t>());
        line.before = recordFromHex(row[6]);
        line.after = recordFromHex(row[7]);
        entries[at].entry.lines.push_back(std::move(line));
    }
    return entries;
}

std::vector<journal::Entry> readEntries(pqxx::connection_base& c, int books) {
    pqxx::nontransaction t(c);
    std::vector<journal::Entry> entries;
    for (StoredEntry& stored : readStoredEntries(t, books, 0)) {
        entries.push_back(std::move(stored.entry));
    }
    return entries;
}

std::string valuesStamp(pqxx::transaction_base& t, int books) {
    return t
        .exec_params1("SELECT coalesce(md5(string_agg(key || ' ' || value_type || ' ' || "
                      "coalesce(encode(value, 'hex'), ''), ',' ORDER BY key)), '') FROM "
                      "folio_values WHERE books = $1",
                      books)[0]
        .as<std::string>();
}

} // namespace folio::server
