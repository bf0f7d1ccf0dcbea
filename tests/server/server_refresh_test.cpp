#include "journal/journal_store.h"
#include "server/books_copy.h"
#include "server_books_test.h"
#include "session/books_session.h"
#include "session/server_home.h"
#include "support/record_fixture.h"
#include <QTemporaryDir>
#include <functional>

using namespace folio;
using folio::journal::EntryKind;
using folio::server::ServerBooks;
using folio::session::BooksSession;
using folio::session::ServerHome;

namespace {

// Each entry of a journal as (number, memo, status).
using Listing = std::vector<std::tuple<std::int64_t, QString, int>>;

Listing listing(const QString& journalPath) {
    journal::JournalStore store;
    store.openToRead(journalPath);
    Listing out;
    store.scanAll([&](const journal::Entry& entry, journal::JournalStore::Status status) {
        out.emplace_back(entry.seq, entry.memo, static_cast<int>(status));
        return true;
    });
    return out;
}

class ServerRefreshTest : public ServerBooksTest {
  protected:
    // The books as a whole copy makes them now: the file's bytes and the journal's entries.
    std::pair<QByteArray, Listing> wholeCopy() {
        const QString path = dir.filePath(QStringLiteral("whole%1.dat").arg(++copies));
        server::copyServerToFile(as("sam"), path);
        return {fileBytes(path), listing(journal::journalPathOf(path))};
    }
    void post(const char* amount, int record = 1) {
        ServerBooks(as("sam")).post(EntryKind::Posting, QDate(2026, 2, 1),
                                    QString::fromLatin1(amount),
                                    {{record, money(amount), Money()}});
    }
    QTemporaryDir dir;
    int copies = 0;
};

// The working copy takes what is new on the server, or is made again whole when its
// history is not the server's; either way it ends as a whole copy would make it.
TEST_F(ServerRefreshTest, AWorkingCopyIsBroughtForwardOrMadeAgainWhole) {
    const auto sqlOnCopy = [](const QString& working, const char* sql) {
        journal::JournalStore store;
        store.open(journal::journalPathOf(working));
        store.database().exec(sql);
    };
    const struct {
        const char* name;
        std::function<void(const QString& working)> act;
        bool broughtForward;
    } cases[] = {
        {"nothing new", [](const QString&) {}, true},
        {"a posting by another client", [&](const QString&) { post("12.50"); }, true},
        {"several entries, one balanced",
         [&](const QString&) {
             post("1");
             ServerBooks(as("alice"))
                 .post(EntryKind::Balanced, QDate(2026, 2, 2), "fees",
                       {{1, money("10"), Money()}, {6, Money(), money("10")}});
             post("2", 8);
         },
         true},
        {"accounts deleted by another client, the last put back by Undo",
         [&](const QString&) {
             BooksSession other;
             other.openServer(address("sam"));
             for (const int record : {3, 4}) {
                 const std::vector<AccountRecord> held = readAccounts(other.books().path());
                 const auto name = held[static_cast<std::size_t>(record - 1)].name;
                 EXPECT_TRUE(
                     other.deleteAccount(record, static_cast<int>(held.size()), name).succeeded());
             }
             EXPECT_TRUE(other.undo().succeeded());
             EXPECT_EQ(ServerBooks(as("sam")).records(), readAccounts(other.books().path()));
             post("5");
         },
         true},
        {"the copy's latest entry is not the server's",
         [&](const QString& working) {
             sqlOnCopy(working, "UPDATE entries SET memo = 'not so' WHERE seq = 1");
             post("3");
         },
         false},
        {"a record of the copy is not what the new entry found",
         [&](const QString& working) {
             FileTable files;
             files.open(1, working);
             AccountRecord cash = files.get(1, 1);
             cash.current = money("1");
             files.put(1, 1, cash);
             post("4");
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ServerHome home(address("alice"));
        home.fetch();
        c.act(home.workingPath());
        EXPECT_EQ(home.refresh(), c.broughtForward);
        const auto [bytes, entries] = wholeCopy();
        EXPECT_EQ(fileBytes(home.workingPath()), bytes);
        EXPECT_EQ(listing(journal::journalPathOf(home.workingPath())), entries);
        EXPECT_FALSE(home.movedOn());
    }
}

// A change of the values kept with the books alone (no entry) wakes another session, which
// then holds the values as changed.
TEST_F(ServerRefreshTest, AChangeOfValuesAloneReachesAnotherSession) {
    BooksSession first;
    BooksSession second;
    first.openServer(address("alice"));
    second.openServer(address("sam"));
    EXPECT_FALSE(second.followServer());
    first.company().name = "Kestrow Supply Co.";
    first.keepCompanyValues();
    EXPECT_TRUE(second.followServer());
    EXPECT_EQ(second.company().name, "Kestrow Supply Co.");
    ASSERT_TRUE(first.keepRecords([](journal::JournalStore& store) { store.setValue("note", "x"); })
                    .succeeded());
    EXPECT_TRUE(second.followServer());
    EXPECT_EQ(second.journalStore().value("note"), "x");
    EXPECT_FALSE(second.followServer());
}

} // namespace
