// Postings per second on server books with 1, 4 and 8 clients at once, each client its own
// connection posting to a chart of 14 accounts (half of the postings to Cash), on a private
// cluster in a temporary folder with the server's durable settings.
#include "pg_cluster.h"
#include "server/server_books.h"
#include "support/sample_books.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace folio;
using namespace folio::server;

namespace {

ServerAddress books() {
    static const QString address = [] {
        PgCluster& cluster = PgCluster::shared();
        cluster.createBooksDatabase(QStringLiteral("bench"));
        ServerBooks made(ServerAddress::parse(cluster.booksAddress(
            QStringLiteral("bench"), QStringLiteral("books"), QStringLiteral("sam"))));
        made.create(merchandisingBooks(), QDate(2026, 1, 1));
        return cluster.booksAddress(QStringLiteral("bench"), QStringLiteral("books"),
                                    QStringLiteral("alice"));
    }();
    return ServerAddress::parse(address);
}

void BM_ServerPosting(benchmark::State& state) {
    const ServerAddress address = books();
    ServerBooks client(address);
    int i = 0;
    for (auto _ : state) {
        const int record = i % 2 == 0 ? 1 : 2 + state.thread_index() % 10;
        client.post(journal::EntryKind::Posting, QDate(2026, 2, 1), QStringLiteral("bench"),
                    {{record, Money::fromRaw(12500), Money()}});
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ServerPosting)->Threads(1)->Threads(4)->Threads(8)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Synced commits, as a real server keeps them.
    qputenv("FOLIO_PG_DURABLE", "1");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
