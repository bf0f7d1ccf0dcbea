#pragma once
#include <QString>
#include <QTemporaryDir>
#include <string>

// A private PostgreSQL cluster in a temporary folder, listening only on a Unix socket there,
// started once for the test program and stopped at its end. Run as root, the cluster
// belongs to the postgres user (initdb refuses root).
class PgCluster {
  public:
    static PgCluster& shared();
    ~PgCluster();

    // A libpq address of a database of the cluster, as a user.
    std::string address(const QString& database, const QString& user = adminUser()) const;
    // A Folio address: the database and the set of books in it.
    QString booksAddress(const QString& database, const QString& books = QStringLiteral("books"),
                         const QString& user = adminUser()) const;
    // Makes a new, empty database with Folio's schema and the two roles, with a login of
    // each role: alice (bookkeeper) and sam (supervisor).
    void createBooksDatabase(const QString& database);
    static QString adminUser() { return QStringLiteral("folio_admin"); }
    QString socketFolder() const { return dir_.path(); }
    QString binary(const QString& name) const;

  private:
    PgCluster();
    void run(const QStringList& command) const;

    QTemporaryDir dir_;
    QString bin_;
};
