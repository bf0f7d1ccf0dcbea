#include "pg_cluster.h"
#include "server/server_books.h"
#include <QDir>
#include <QProcess>
#include <pqxx/pqxx>
#include <stdexcept>
#include <unistd.h>

namespace {

QString newestBin() {
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (auto it = found.crbegin(); it != found.crend(); ++it) {
        const QString bin = versions.filePath(*it + QStringLiteral("/bin"));
        if (QFile::exists(bin + QStringLiteral("/initdb"))) {
            return bin;
        }
    }
    throw std::runtime_error("PostgreSQL's server is not installed (scripts/install-deps)");
}

} // namespace

PgCluster& PgCluster::shared() {
    static PgCluster cluster;
    return cluster;
}

QString PgCluster::binary(const QString& name) const {
    return bin_ + QLatin1Char('/') + name;
}

void PgCluster::run(const QStringList& command) const {
    QStringList full = command;
    full[0] = binary(full[0]);
    if (geteuid() == 0) {
        full = QStringList{"-u", "postgres", "--"} + full;
    }
    const QString program = geteuid() == 0 ? QStringLiteral("runuser") : full.takeFirst();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, full);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        throw std::runtime_error(
            (program + ' ' + full.join(' ') + ": " + QString::fromLocal8Bit(process.readAll()))
                .toStdString());
    }
}

PgCluster::PgCluster() : bin_(newestBin()) {
    if (geteuid() == 0) {
        QProcess::execute("chown", {"postgres", dir_.path()});
    }
    const QString data = dir_.filePath("data");
    run({"initdb", "-D", data, "-U", adminUser(), "-A", "trust", "-E", "UTF8", "--no-sync"});
    const char* const durable =
        qEnvironmentVariableIsSet("FOLIO_PG_DURABLE") ? "" : " -c fsync=off";
    run({"pg_ctl", "-D", data, "-l", dir_.filePath("log"), "-w", "-o",
         QStringLiteral("-k %1 -c listen_addresses='' -c max_connections=60 -c "
                        "client_connection_check_interval=100%2")
             .arg(dir_.path(), durable),
         "start"});
}

PgCluster::~PgCluster() {
    try {
        run({"pg_ctl", "-D", dir_.filePath("data"), "-m", "immediate", "stop"});
    } catch (const std::exception&) {
        // The folder goes with the cluster in it all the same.
    }
}

std::string PgCluster::address(const QString& database, const QString& user) const {
    return QStringLiteral("postgresql:///%1?host=%2&user=%3")
        .arg(database, dir_.path(), user)
        .toStdString();
}

QString PgCluster::booksAddress(const QString& database, const QString& books,
                                const QString& user) const {
    return QString::fromStdString(address(database, user)) + QLatin1Char('#') + books;
}

void PgCluster::createBooksDatabase(const QString& database) {
    {
        pqxx::connection admin(address(QStringLiteral("postgres")));
        pqxx::nontransaction t(admin);
        t.exec("CREATE DATABASE " + t.quote_name(database.toStdString()));
    }
    folio::server::ServerBooks books(
        folio::server::ServerAddress::parse(QString::fromStdString(address(database))));
    books.installSchema();
    pqxx::connection admin(address(database));
    pqxx::nontransaction t(admin);
    t.exec("DO $$ BEGIN "
           "IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'alice') THEN "
           "CREATE ROLE alice LOGIN IN ROLE folio_bookkeeper; END IF; "
           "IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'sam') THEN "
           "CREATE ROLE sam LOGIN IN ROLE folio_supervisor; END IF; END $$");
}
