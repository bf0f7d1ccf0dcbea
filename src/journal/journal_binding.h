#pragma once
#include "journal/books_digest.h"
#include "journal/entry.h"
#include <QByteArray>
#include <QString>

namespace folio::journal {

class JournalStore;

// The file the books are, whatever link leads to it: the journal is kept beside it and
// names it, so books opened through a link share their target's journal.
QString resolvedBooks(const QString& booksPath);

// Whether a pending entry writes a record past the end of the books without writing every
// record between (a change Folio never makes: a planted or damaged entry).
bool reachesPastEnd(const Entry& entry, qsizetype imageSize);

// Whether the books were, before the pending entry, the books it was begun on: the file with
// the entry's before images put back has the books digest kept with the entry. Without one
// (an older journal), each record the entry touches must hold its before or after image. An
// entry that moves records finds the books wholly before it or wholly after it.
bool begunOn(const QByteArray& image, const Entry& entry,
             const std::optional<BooksDigest>& beforeDigest);

// Refuses (JournalUnusable) a log left beside the journal by a Folio that stopped, when it
// was written over another copy of the database than the one now there (a journal restored
// from a backup): its entries would claim changes these books never had.
void checkLogBelongs(const QString& journalPath);
// Marks the database file with a new generation, written past the log, that every later
// log of this session carries (see checkLogBelongs).
void renewGeneration(JournalStore& store);

} // namespace folio::journal
