// A working copy of server books whose journal holds 10,000 or 100,000 entries, refreshed
// after another client's one new entry, beside the whole copy a refresh used to make. The
// floor: a refresh takes under half a second, whatever the size of the journal.
#include "pg_cluster.h"
#include "server/server_books.h"
#include "session/server_home.h"
#include "support/sample_books.h"
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <pqxx/pqxx>

using namespace folio;
using namespace folio::server;

namespace {

constexpr double kFloorSeconds = 0.5;

// Books of the service chart whose journal holds `entries` postings, written by SQL at
// once (a posting at a time would take minutes); each posts nothing to Cash.
QString booksWithJournal(int entries) {
    static std::map<int, QString> made;
    if (const auto found = made.find(entries); found != made.end()) {
        return found->second;
    }
    PgCluster& cluster = PgCluster::shared();
    const QString database = QStringLiteral("refresh_%1").arg(entries);
    cluster.createBooksDatabase(database);
    ServerBooks(ServerAddress::parse(
                    cluster.booksAddress(database, QStringLiteral("books"), QStringLiteral("sam"))))
        .create(serviceBooks(), QDate(2026, 1, 1));
    pqxx::connection admin(cluster.address(database));
    pqxx::work t(admin);
    const std::string last = std::to_string(entries + 1);
    t.exec("INSERT INTO folio_entries(books, seq, made, date, memo, kind) SELECT 1, s, "
           "'2026-02-01T00:00:00.000Z', '2026-02-01', 'bench', 'posting' "
           "FROM generate_series(2, " +
           last + ") s");
    t.exec("INSERT INTO folio_lines(books, seq, line, record, name, type, debit, credit, before, "
           "after) SELECT 1, s, 0, 1, a.name, a.type, 0, 0, a.image, a.image FROM "
           "generate_series(2, " +
           last + ") s, folio_accounts a WHERE a.books = 1 AND a.record = 1");
    t.exec("UPDATE folio_books SET last_seq = " + last + " WHERE id = 1");
    t.commit();
    return made[entries] =
               cluster.booksAddress(database, QStringLiteral("books"), QStringLiteral("alice"));
}

void postOne(const QString& address) {
    ServerBooks(ServerAddress::parse(address))
        .post(journal::EntryKind::Posting, QDate(2026, 3, 1), QStringLiteral("one more"),
              {{1, Money::fromRaw(12500), Money()}});
}

void BM_RefreshAfterOneEntry(benchmark::State& state) {
    const QString address = booksWithJournal(static_cast<int>(state.range(0)));
    session::ServerHome home(address);
    home.fetch();
    double worst = 0;
    for (auto _ : state) {
        state.PauseTiming();
        postOne(address);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        if (!home.refresh()) {
            state.SkipWithError("made again whole");
            break;
        }
        worst = std::max(
            worst, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["seconds"] = worst;
    if (worst > kFloorSeconds) {
        state.SkipWithError("over its floor");
    }
}
BENCHMARK(BM_RefreshAfterOneEntry)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

void BM_WholeCopy(benchmark::State& state) {
    const QString address = booksWithJournal(static_cast<int>(state.range(0)));
    session::ServerHome home(address);
    for (auto _ : state) {
        home.fetch();
    }
}
BENCHMARK(BM_WholeCopy)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
