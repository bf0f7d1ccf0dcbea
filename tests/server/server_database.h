#pragma once
#include "pg_cluster.h"
#include "server/server_books.h"
#include "support/sample_books.h"
#include <QDate>
#include <QProcess>
#include <pqxx/pqxx>

// Books of a test's own on the private cluster: a database of their own, made by the
// supervisor sam from the service corporation's chart.
class ServerDatabase {
  public:
    void makeBooks(const QString& kind) {
        static int made = 0;
        database = QStringLiteral("%1_%2").arg(kind).arg(++made);
        cluster.createBooksDatabase(database);
        folio::server::ServerBooks(as(QStringLiteral("sam")))
            .create(serviceBooks(), QDate(2026, 1, 1));
    }
    QString address(const QString& user, const QString& books = QStringLiteral("books")) const {
        return cluster.booksAddress(database, books, user);
    }
    folio::server::ServerAddress as(const QString& user,
                                    const QString& books = QStringLiteral("books")) const {
        return folio::server::ServerAddress::parse(address(user, books));
    }
    // The one value a query of the database answers, asked as its owner.
    template <typename T = std::int64_t> T valueOf(const std::string& sql) const {
        pqxx::connection c(cluster.address(database));
        pqxx::nontransaction t(c);
        return t.exec1(sql)[0].as<T>();
    }
    // The rows of a table, or of "table WHERE ...".
    std::int64_t count(const std::string& rows) const {
        return valueOf("SELECT count(*) FROM " + rows);
    }
    // Runs SQL as a user; the server's words when it refuses, empty when it ran.
    QString refusal(const QString& user, const std::string& sql) const {
        try {
            pqxx::connection c(cluster.address(database, user));
            pqxx::work t(c);
            t.exec(sql);
            t.commit();
            return {};
        } catch (const std::exception& e) {
            return QString::fromUtf8(e.what());
        }
    }

    PgCluster& cluster = PgCluster::shared();
    QString database;
};

// What sqlite3 prints of the journal of a books file: its entries, lines, values kept with
// the books (the seal of the chain among them) and bank work.
inline QByteArray journalDump(const QString& books) {
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"),
                 {books + QStringLiteral(".journal"),
                  "SELECT seq, made, date, memo, kind, status, reversal_of, below FROM entries; "
                  "SELECT * FROM lines; SELECT key, quote(value) FROM books ORDER BY key; "
                  "SELECT * FROM bank_imports; SELECT * FROM bank_lines; "
                  "SELECT * FROM reconciliations; SELECT * FROM reconciled_lines"});
    sqlite.waitForFinished();
    return sqlite.readAllStandardOutput() + sqlite.readAllStandardError();
}
