#pragma once
#include "pg_cluster.h"
#include "server/server_books.h"
#include "support/sample_books.h"
#include <gtest/gtest.h>
#include <pqxx/pqxx>

// Each test keeps books of its own in a database of its own, made by the supervisor sam
// from the service corporation's chart.
class ServerBooksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static int made = 0;
        database = QStringLiteral("books_%1").arg(++made);
        cluster.createBooksDatabase(database);
        folio::server::ServerBooks books(as(QStringLiteral("sam")));
        books.create(serviceBooks(), QDate(2026, 1, 1));
    }
    QString address(const QString& user, const QString& books = QStringLiteral("books")) const {
        return cluster.booksAddress(database, books, user);
    }
    folio::server::ServerAddress as(const QString& user) const {
        return folio::server::ServerAddress::parse(address(user));
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
