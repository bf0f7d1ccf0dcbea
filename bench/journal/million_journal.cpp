// The books the journal's benchmarks share: a chart of 49 accounts and a journal of a
// million one-line postings over it, made once in the temporary folder and kept between runs.
#include "million_journal.h"
#include "data/file_table.h"
#include "journal/journal_store.h"
#include "session/books_session.h"
#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace folio;
using namespace folio::journal;

namespace {
constexpr int kMillion = 1000000;
} // namespace

std::vector<AccountRecord> chartOf49() {
    static const char* const codes[] = {"D1", "D1", "D1I", "C1", "C2", "C2", "C3C",
                                        "C3", "C4", "D4",  "D5", "C5", "D6"};
    std::vector<AccountRecord> chart;
    for (int i = 0; i < 49; ++i) {
        AccountRecord account;
        account.name = QStringLiteral("Account %1").arg(i + 1);
        account.type = QString::fromLatin1(codes[static_cast<std::size_t>(i) % std::size(codes)]);
        account.current = Money::fromWhole(1000 + i);
        account.ytd = Money::fromWhole(5000 + i);
        chart.push_back(account);
    }
    return chart;
}

void writeBooks(const QString& path, const std::vector<AccountRecord>& records) {
    QFile::remove(path);
    QFile::remove(session::BooksSession::journalPathFor(path));
    FileTable::replaceWhole(path, records);
}

QString millionJournal() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::TempLocation) + "/folio-bench";
    QDir().mkpath(folder);
    const QString books = folder + QStringLiteral("/million.dat");
    const QString path = session::BooksSession::journalPathFor(books);
    JournalStore store;
    store.open(path);
    if (store.appliedCount() >= kMillion) {
        return path;
    }
    store.close();
    writeBooks(books, chartOf49());
    store.open(path);
    const std::vector<AccountRecord> chart = chartOf49();
    Database& db = store.database();
    Transaction transaction(db);
    Statement entry(db, "INSERT INTO entries(made, date, memo, kind, status) VALUES(?, ?, ?, "
                        "'posting', 1)");
    Statement line(db, "INSERT INTO lines VALUES(?, 1, ?, ?, ?, ?, 0, ?, ?)");
    std::vector<AccountRecord> held = chart;
    for (int i = 0; i < kMillion; ++i) {
        const auto at = static_cast<std::size_t>(i % 40);
        const AccountRecord before = held[at];
        held[at].current += Money::fromWhole(1 + i % 7);
        const QDate date = QDate(2020, 1, 1).addDays(i / 400);
        entry.bind(1, date.toString(Qt::ISODate) + QStringLiteral("T09:00:00Z"))
            .bind(2, date.toString(Qt::ISODate))
            .bind(3, QStringLiteral("invoice %1").arg(i))
            .run();
        const auto image = [](const AccountRecord& record) {
            const RecordBytes bytes = record.encode();
            return std::optional<QByteArray>(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<qsizetype>(bytes.size())));
        };
        line.bind(1, db.lastInsertId())
            .bind(2, static_cast<std::int64_t>(at) + 1)
            .bind(3, held[at].name)
            .bind(4, held[at].type)
            .bind(5, Money::fromWhole(1 + i % 7).raw())
            .bind(6, image(before))
            .bind(7, image(held[at]))
            .run();
    }
    transaction.commit();
    return path;
}
