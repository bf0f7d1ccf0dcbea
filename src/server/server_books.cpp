#include "server/server_books.h"
#include "posting/posting_rules.h"
#include "server/server_rows.h"
#include "server/server_schema.h"
#include <QDateTime>
#include <QRegularExpression>
#include <chrono>
#include <pqxx/pqxx>
#include <random>
#include <thread>

namespace folio::server {

namespace {

// How often a change is tried again after a serialization failure before the user is told.
constexpr int kRetries = 40;

void waitBeforeRetry(int attempt) {
    thread_local std::minstd_rand random{std::random_device{}()};
    const int most = 2 << std::min(attempt, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(random() % static_cast<unsigned>(most)));
}

} // namespace

bool ServerAddress::isServerAddress(const QString& text) {
    return text.startsWith(QLatin1String("postgresql://")) ||
           text.startsWith(QLatin1String("postgres://"));
}

ServerAddress ServerAddress::parse(const QString& text) {
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    ServerAddress address;
    address.connection = (hash < 0 ? text : text.left(hash)).toStdString();
    address.books = hash < 0 ? QStringLiteral("books") : text.mid(hash + 1);
    return address;
}

struct ServerBooks::Connection {
    explicit Connection(const std::string& address) : link(address) {}
    pqxx::connection link;
};

pqxx::connection_base& ServerBooks::connection() {
    return connection_->link;
}

ServerBooks::ServerBooks(const ServerAddress& address) : address_(address) {
    try {
        connection_ = std::make_unique<Connection>(address.connection);
    } catch (const std::exception& e) {
        throw unreachableServer(e);
    }
}

ServerBooks::~ServerBooks() = default;

template <typename Work> auto ServerBooks::serializable(Work&& work) {
    for (int attempt = 0;; ++attempt) {
        try {
            pqxx::transaction<pqxx::isolation_level::serializable> t(connection());
            // Folio's own writers take their turn before the transaction's snapshot is
            // taken, so they do not fail each other; a serialization failure is still
            // possible against other clients, and is tried again.
            t.exec("LOCK TABLE folio_turn IN SHARE ROW EXCLUSIVE MODE");
            auto result = work(t);
            t.commit();
            lastRetries_ = attempt;
            return result;
        } catch (const pqxx::serialization_failure&) {
        } catch (const pqxx::deadlock_detected&) {
        } catch (const ServerError&) {
            throw;
        } catch (const pqxx::sql_error& e) {
            throw ServerError(serverWords(e));
        } catch (const pqxx::broken_connection& e) {
            throw ServerError(QStringLiteral("The connection to the books' server was lost: %1")
                                  .arg(serverWords(e)));
        }
        if (attempt >= kRetries) {
            throw ServerError(QStringLiteral("The books' server stayed busy with other changes, "
                                             "so nothing was posted. Try again."));
        }
        waitBeforeRetry(attempt);
    }
}

void ServerBooks::installSchema() {
    try {
        pqxx::work t(connection());
        t.exec(schemaSql());
        t.commit();
    } catch (const pqxx::sql_error& e) {
        throw ServerError(serverWords(e));
    }
}

void ServerBooks::checkTables() {
    pqxx::nontransaction t(connection());
    const pqxx::row found = t.exec1("SELECT to_regclass('folio_books') IS NOT NULL, "
                                    "to_regclass('folio_version') IS NOT NULL");
    const QString setup =
        QString::fromStdString(address_.connection)
            .replace(QRegularExpression(QStringLiteral("^(postgres(?:ql)?://)[^@/]*@")),
                     QStringLiteral("\\1OWNER@"));
    if (!found[0].as<bool>()) {
        throw ServerError(QStringLiteral("This database holds no Folio books yet. Its owner "
                                         "sets it up once with:\n  folio --setup-server %1")
                              .arg(setup));
    }
    const int version =
        found[1].as<bool>()
            ? t.exec1("SELECT coalesce(max(version), 1) FROM folio_version")[0].as<int>()
            : 1;
    if (version < kSchemaVersion) {
        throw ServerError(QStringLiteral("These books' database was set up by an older Folio: "
                                         "its tables are of version %1, and this Folio needs "
                                         "version %2. The database's owner brings them up to "
                                         "date, keeping the books, with:\n  folio --setup-server "
                                         "%3")
                              .arg(version)
                              .arg(kSchemaVersion)
                              .arg(setup));
    }
    if (version > kSchemaVersion) {
        throw ServerError(QStringLiteral("These books' database was set up by a newer Folio "
                                         "(its tables are of version %1; this Folio knows "
                                         "version %2). Open them with that Folio.")
                              .arg(version)
                              .arg(kSchemaVersion));
    }
}

int ServerBooks::booksId() {
    if (booksId_ == 0) {
        checkTables();
        pqxx::nontransaction t(connection());
        const pqxx::result r = t.exec_params("SELECT id FROM folio_books WHERE name = $1",
                                             address_.books.toStdString());
        if (r.empty()) {
            throw ServerError(
                QStringLiteral("The server holds no books named \"%1\".").arg(address_.books));
        }
        booksId_ = r[0][0].as<int>();
    }
    return booksId_;
}

bool ServerBooks::exists() {
    pqxx::nontransaction t(connection());
    return !t.exec_params("SELECT 1 FROM folio_books WHERE name = $1", address_.books.toStdString())
                .empty();
}

void ServerBooks::create(const std::vector<AccountRecord>& records, const QDate& date) {
    booksId_ = serializable([&](pqxx::transaction_base& t) {
        const int id = insertBooks(t, address_.books);
        journal::Entry opening;
        opening.kind = journal::EntryKind::Opening;
        opening.made = QDateTime::currentDateTimeUtc();
        opening.date = date;
        opening.memo = QStringLiteral("Opening balances");
        for (std::size_t i = 0; i < records.size(); ++i) {
            const int record = static_cast<int>(i) + 1;
            putAccount(t, id, record, records[i].encodeBytes());
            opening.lines.push_back(journal::lineFor(record, std::nullopt, records[i]));
        }
        opening.seq = nextSeq(t, id);
        insertEntry(t, id, opening, 0);
        return id;
    });
}

std::vector<AccountRecord> ServerBooks::records() {
    std::vector<AccountRecord> out;
    for (const QByteArray& image : accountImages(connection(), booksId())) {
        out.push_back(AccountRecord::decodeBytes(image));
    }
    return out;
}

std::vector<journal::Entry> ServerBooks::entries() {
    return readEntries(connection(), booksId());
}

std::vector<QString> ServerBooks::makers() {
    pqxx::nontransaction t(connection());
    std::vector<QString> out;
    for (const auto& row : t.exec_params(
             "SELECT made_by FROM folio_entries WHERE books = $1 ORDER BY seq", booksId())) {
        out.push_back(QString::fromStdString(row[0].as<std::string>()));
    }
    return out;
}

QString ServerBooks::madeBy(std::int64_t seq) {
    pqxx::nontransaction t(connection());
    const pqxx::result r = t.exec_params(
        "SELECT made_by FROM folio_entries WHERE books = $1 AND seq = $2", booksId(), seq);
    return r.empty() ? QString() : QString::fromStdString(r[0][0].as<std::string>());
}

QString ServerBooks::user() {
    return QString::fromUtf8(connection().username());
}

QStringList ServerBooks::closedBooksBeside() {
    pqxx::nontransaction t(connection());
    QStringList names;
    for (const auto& row :
         t.exec_params("SELECT b.name FROM folio_books b WHERE b.id <> $1 AND EXISTS (SELECT "
                       "FROM folio_entries e WHERE e.books = b.id AND e.kind = 'closing') "
                       "ORDER BY b.name",
                       booksId())) {
        names << QString::fromStdString(row[0].as<std::string>());
    }
    return names;
}

std::int64_t ServerBooks::post(journal::EntryKind kind, const QDate& date, const QString& memo,
                               const std::vector<journal::AmountLine>& lines) {
    if (kind == journal::EntryKind::Balanced) {
        if (const auto problem = journal::balanceProblem(lines)) {
            throw ServerError(*problem);
        }
    } else if (lines.size() != 1) {
        throw ServerError(QStringLiteral("A posting moves one account."));
    }
    const int id = booksId();
    return serializable([&](pqxx::transaction_base& t) {
        journal::Entry entry;
        entry.kind = kind;
        entry.made = QDateTime::currentDateTimeUtc();
        entry.date = date;
        entry.memo = memo;
        for (const journal::AmountLine& amounts : lines) {
            const AccountRecord before = readAccount(t, id, amounts.record);
            if (!posting::PostingRules::canPost(before.type)) {
                throw ServerError(posting::PostingRules::cannotPostMessage(before));
            }
            AccountRecord after = before;
            after.setBalances(posting::PostingRules::posted(before.balances(), before.type,
                                                            amounts.debit, amounts.credit));
            putAccount(t, id, amounts.record, after.encodeBytes());
            entry.lines.push_back(
                journal::lineFor(amounts.record, before, after, amounts.debit, amounts.credit));
        }
        entry.seq = nextSeq(t, id);
        insertEntry(t, id, entry, 0);
        t.exec_params("SELECT pg_notify('folio_changed', $1)", std::to_string(id));
        return entry.seq;
    });
}

void ServerBooks::change(const std::function<void(pqxx::transaction_base&, int)>& work) {
    const int id = booksId();
    serializable([&](pqxx::transaction_base& t) {
        work(t, id);
        t.exec_params("SELECT pg_notify('folio_changed', $1)", std::to_string(id));
        return 0;
    });
}

std::int64_t ServerBooks::lastSeq() {
    return latest("SELECT last_seq FROM folio_books WHERE id = $1");
}

std::int64_t ServerBooks::lastReconciliation() {
    return latest("SELECT coalesce(max(id), 0) FROM folio_reconciliations WHERE books = $1");
}

std::string ServerBooks::valuesStamp() {
    const int id = booksId();
    try {
        pqxx::nontransaction t(connection());
        return server::valuesStamp(t, id);
    } catch (const pqxx::broken_connection& e) {
        throw ServerError(
            QStringLiteral("The connection to the books' server was lost: %1").arg(serverWords(e)));
    } catch (const pqxx::sql_error& e) {
        throw ServerError(serverWords(e));
    }
}

std::int64_t ServerBooks::latest(const char* sql) {
    const int id = booksId();
    try {
        pqxx::nontransaction t(connection());
        return t.exec_params1(sql, id)[0].as<std::int64_t>();
    } catch (const pqxx::broken_connection& e) {
        throw ServerError(
            QStringLiteral("The connection to the books' server was lost: %1").arg(serverWords(e)));
    } catch (const pqxx::sql_error& e) {
        throw ServerError(serverWords(e));
    }
}

void ServerBooks::lockThrough(const QDate& date) {
    const int id = booksId();
    serializable([&](pqxx::transaction_base& t) {
        t.exec_params("INSERT INTO folio_lock_dates(books, through) VALUES ($1, $2) "
                      "ON CONFLICT (books) DO UPDATE SET through = EXCLUDED.through",
                      id, date.toString(Qt::ISODate).toStdString());
        return 0;
    });
}

void ServerBooks::markClosed(const QString& closedInto) {
    const int id = booksId();
    serializable([&](pqxx::transaction_base& t) {
        const pqxx::row row = t.exec_params1(
            "SELECT closed_at IS NOT NULL, coalesce(closed_by, ''), "
            "coalesce(to_char(closed_at, 'YYYY-MM-DD HH24:MI'), ''), coalesce(closed_into, '') "
            "FROM folio_books WHERE id = $1",
            id);
        if (row[0].as<bool>()) {
            throw ServerError(
                QStringLiteral("These books were closed already, by %1 at %2 into \"%3\"; "
                               "nothing was closed again.")
                    .arg(QString::fromStdString(row[1].as<std::string>()),
                         QString::fromStdString(row[2].as<std::string>()),
                         QString::fromStdString(row[3].as<std::string>())));
        }
        t.exec_params("UPDATE folio_books SET closed_at = now(), closed_by = current_user, "
                      "closed_into = $2 WHERE id = $1",
                      id, closedInto.toStdString());
        return 0;
    });
}

} // namespace folio::server
