#pragma once
#include "data/file_table.h"
#include "session/books_session.h"
#include "support/books_fixture.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

// An accounts file in a temporary folder selected in a books session with its journal
// open, as the window keeps them.
class JournalFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        books = dir.filePath("books.dat");
    }
    void start(const std::vector<AccountRecord>& records) {
        session.release();
        QFile::remove(folio::session::BooksSession::journalPathFor(books));
        writeAccounts(books, records);
        reopen();
    }
    void reopen() {
        session.release();
        session.books().select(books);
        session.openJournal();
        opened = session.opening();
    }
    folio::journal::JournalStore& store() { return session.journalStore(); }
    std::int64_t post(int record, const char* debit, const char* credit = "0") {
        return session.post({}, {record, money(debit), money(credit)}).seq;
    }
    std::int64_t record(folio::journal::EntryKind kind,
                        const std::vector<folio::journal::Change>& changes) {
        return session.change(kind, changes).seq;
    }

    // Adds `count` applied postings of one dollar to record 1 straight into the journal
    // (the file is left alone), dated one a day backwards from `last`.
    void addPostings(int count, const QDate& last = QDate(2026, 12, 31)) {
        using namespace folio::journal;
        Database& db = store().database();
        Transaction transaction(db);
        Statement entry(db, "INSERT INTO entries(made, date, memo, kind, status) "
                            "VALUES('2026-12-31T00:00:00Z', ?, ?, 'posting', 1)");
        Statement line(db, "INSERT INTO lines VALUES(?, 1, 1, 'Cash', 'D1', 10000, 0, NULL, NULL)");
        for (int i = 0; i < count; ++i) {
            entry.bind(1, last.addDays(i - count + 1).toString(Qt::ISODate))
                .bind(2, QStringLiteral("bulk %1").arg(i))
                .run();
            line.bind(1, db.lastInsertId()).run();
        }
        transaction.commit();
    }

    QTemporaryDir dir;
    QString books;
    folio::session::BooksSession session;
    folio::journal::JournalOpening opened;
};
