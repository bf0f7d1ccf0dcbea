// The opening entry kept as blocks of the file's records is read by every reader of the
// journal as the row a record an older Folio wrote, and a journal of that older form still
// opens and reads the same.
#include "journal/books_verifier.h"
#include "journal/csv_export.h"
#include "journal/entry_chain.h"
#include "journal/journal_model.h"
#include "journal/ledger_export.h"
#include "journal/period_beginning.h"
#include "journal_fixture.h"
#include "support/sample_books.h"
#include <functional>

using namespace folio::journal;

namespace {

// More records than one block holds, a few of them named alike and one blank.
std::vector<AccountRecord> chartOf(int count) {
    std::vector<AccountRecord> chart = serviceBooks();
    for (int i = static_cast<int>(chart.size()); i < count; ++i) {
        AccountRecord record = chart[static_cast<std::size_t>(i % 8)];
        record.name = QStringLiteral("Account %1").arg(i % 5000);
        record.current = Money::fromRaw(std::int64_t{i} * 10000 + 25);
        chart.push_back(record);
    }
    chart[100] = AccountRecord{};
    return chart;
}

QString textOf(const Line& line) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
        .arg(line.record)
        .arg(line.name, line.type)
        .arg(line.debit.raw())
        .arg(line.credit.raw())
        .arg(QString::fromLatin1(line.before ? line.before->encodeBytes().toHex() : "-"),
             QString::fromLatin1(line.after ? line.after->encodeBytes().toHex() : "-"))
        .arg(line.moves);
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class OpeningImage : public JournalFixture {
  protected:
    // Books of 20,000 records, opened, then posted to, a record deleted and one added.
    void startBooks() {
        start(chartOf(20000));
        post(2, "12.50");
        ASSERT_TRUE(session.deleteAccount(5, 20000, QStringLiteral("Account 5")).succeeded());
        record(EntryKind::NewAccount, {{20000, serviceBooks()[1], {}, {}}});
    }

    // Rewrites the opening entry as an older Folio kept it, a row a record, and seals the
    // journal's entries again as that Folio would have.
    void toRowsARecord() {
        Database& db = store().database();
        Transaction transaction(db);
        Entry opening = *store().entry(1);
        Statement line(db, "INSERT INTO lines VALUES(1, ?, ?, ?, ?, 0, 0, NULL, ?)");
        for (const Line& each : opening.lines) {
            line.bind(1, each.record)
                .bind(2, each.record)
                .bind(3, each.name)
                .bind(4, each.type)
                .bind(5, storedImage(each.after))
                .run();
            line.reset();
        }
        db.exec("DELETE FROM blocks");
        std::vector<Entry> entries;
        store().scanAll([&entries](const Entry& entry, JournalStore::Status) {
            entries.push_back(entry);
            return true;
        });
        QByteArray head;
        Statement seal(db, "UPDATE entries SET hash = ? WHERE seq = ?");
        for (const Entry& entry : entries) {
            EXPECT_FALSE(entry.image);
            head = chainedHash(head, entry);
            seal.bind(1, std::optional<QByteArray>(head)).bind(2, entry.seq).run();
            seal.reset();
        }
        Statement put(db, "UPDATE books SET value = ? WHERE key = 'head'");
        put.bind(1, std::optional<QByteArray>(head)).run();
        transaction.commit();
    }

    QString exported(bool csv) {
        const QString path = dir.filePath(csv ? QStringLiteral("x.csv") : QStringLiteral("x.j"));
        const ExportResult result =
            csv ? exportCsv(store(), path, books) : exportLedger(store(), path, books);
        // Less the heading's time of the export.
        return result == ExportResult::Written ? fileText(path).section(QLatin1Char('\n'), 1)
                                               : QStringLiteral("failed");
    }
};

struct Reader {
    const char* name;
    std::function<QString()> read;
};

QString modelText(JournalStore& store, const JournalFilter& filter) {
    JournalModel model(store);
    model.setFilter(filter);
    while (model.canFetchMore({})) {
        model.fetchMore({});
    }
    QString text;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < JournalModel::ColumnCount; ++column) {
            text += model.index(row, column).data().toString() + QLatin1Char('|');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

using ReadersOfTheOpening = OpeningImage;

TEST_F(ReadersOfTheOpening, ReadTheBlocksAsTheRowsOfAnOlderJournal) {
    const std::vector<Reader> readers{
        {"the entry's lines",
         [this] {
             QString text;
             const Entry opening = *session.journalStore().entry(1);
             for (const Line& line : opening.lines) {
                 text += textOf(line);
             }
             return text;
         }},
        {"every entry in order",
         [this] {
             QString text;
             session.journalStore().scanApplied([&text](const Entry& entry) {
                 text += QStringLiteral("entry %1 %2\n").arg(entry.seq).arg(entry.lines.size());
                 for (const Line& line : entry.lines) {
                     text += textOf(line);
                 }
                 return true;
             });
             return text;
         }},
        {"the journal window", [this] { return modelText(session.journalStore(), {}); }},
        {"the journal window, one account",
         [this] {
             return modelText(session.journalStore(), {QStringLiteral("Account 17"), {}, {}});
         }},
        {"the journal window, a range of dates",
         [this] {
             const QDate today = QDate::currentDate();
             return modelText(session.journalStore(), {QString(), today, today});
         }},
        {"the CSV export", [this] { return exported(true); }},
        {"the export for hledger", [this] { return exported(false); }},
        {"the period's beginning",
         [this] {
             const auto beginning = periodBeginningIn(session.journalStore());
             if (!beginning) {
                 return QStringLiteral("none");
             }
             QString text = beginning->made.toString(Qt::ISODateWithMs);
             for (const AccountRecord& record : beginning->records) {
                 text += QString::fromLatin1(record.encodeBytes().toHex());
             }
             return text;
         }},
        {"the verification", [this] { return verificationReport(books, verifyBooks(books)); }},
    };
    startBooks();
    ASSERT_TRUE(store().entry(1)->image);
    { // The opening is a few rows, not a row a record.
        Statement rows(store().database(), "SELECT (SELECT count(*) FROM blocks WHERE seq = 1), "
                                           "(SELECT count(*) FROM lines WHERE seq = 1)");
        ASSERT_TRUE(rows.step());
        EXPECT_EQ(rows.integer(0), 2);
        EXPECT_EQ(rows.integer(1), 0);
    }
    std::vector<QString> asBlocks;
    for (const Reader& reader : readers) {
        asBlocks.push_back(reader.read());
    }
    toRowsARecord();
    reopen();
    EXPECT_FALSE(opened.changedOutside || opened.started);
    ASSERT_FALSE(store().entry(1)->image);
    for (std::size_t i = 0; i < readers.size(); ++i) {
        SCOPED_TRACE(readers[i].name);
        const QString asRows = readers[i].read();
        EXPECT_GT(asRows.size(), 15);
        EXPECT_EQ(asBlocks[i], asRows);
    }
    EXPECT_TRUE(asBlocks.back().startsWith(QStringLiteral("verified: 4 entries")));
}

// The chain vouches for the blocks: any change of their bytes is found by the verification.
TEST_F(OpeningImage, VerificationFindsAChangedBlock) {
    const std::vector<std::pair<const char*, const char*>> changes{
        {"one byte of a block", "UPDATE blocks SET bytes = substr(bytes, 1, 124) || X'42' || "
                                "substr(bytes, 126) WHERE block = 2"},
        {"a block cut short", "UPDATE blocks SET bytes = substr(bytes, 1, 620) WHERE block = 2"},
        {"a block gone", "DELETE FROM blocks WHERE block = 2"},
    };
    for (const auto& [what, sql] : changes) {
        SCOPED_TRACE(what);
        startBooks();
        ASSERT_TRUE(verifyBooks(books).held);
        store().database().exec(sql);
        const Verification verification = verifyBooks(books);
        EXPECT_FALSE(verification.held);
        EXPECT_EQ(verification.problem, "entry 1 was changed after it was recorded");
    }
}

} // namespace
