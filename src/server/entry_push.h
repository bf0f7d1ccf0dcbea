#pragma once
#include "server/journal_reader.h"
#include "server/server_books.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace folio::server {

// Another client changed the books after the entry a working copy was made from; nothing
// was written.
class BooksMoved : public ServerError {
  public:
    BooksMoved()
        : ServerError(QStringLiteral("Someone else changed these books at the same moment, so "
                                     "nothing was written. The books are shown as they are "
                                     "now; look them over and try again.")) {}
};

// How far the books on the server went: their latest entry and reconciliation.
struct ServerMark {
    std::int64_t lastSeq = 0;
    std::int64_t lastReconciliation = 0;
    KeptValues values;       // the values kept with the books, as the working copy had them
    std::string valuesStamp; // and as the server held them (see valuesStamp)
};

// A working copy of another set of books of the same database, made when they stood at
// `mark`.
struct WorkingCopy {
    QString books;
    QString path;
    ServerMark mark;
};

// Sends what a working copy of server books (an accounts file and its journal, made from
// the server when it stood at `base`) recorded since, as one change of the books:
// the new entries and their lines, the account rows they leave, the values kept with the
// books that it changed (another client's change of other values stays), the bank work recorded
// (imports, reconciliations), the lock date a lock or reopening sets, and each closed copy a
// closing wrote, as another set of books of the same database named as its file. Throws BooksMoved
// when the server's books went past `base`, ServerError when the server refuses. Gives where the
// books stand after it. Working copies of other books `alongside` are sent in the same
// transaction, all or nothing.
ServerMark pushWorkingCopy(ServerBooks& server, const QString& workingPath, const ServerMark& base,
                           const QStringList& closedCopies = {},
                           const std::vector<WorkingCopy>& alongside = {});

} // namespace folio::server
