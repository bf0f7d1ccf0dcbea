#pragma once
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

// A working copy of another set of books of the same database, made when their latest entry
// was `base`.
struct WorkingCopy {
    QString books;
    QString path;
    std::int64_t base = 0;
};

// Sends what a working copy of server books (an accounts file and its journal, made from
// the server when its latest entry was `base`) recorded since, as one change of the books:
// the new entries and their lines, the account rows they leave, the values kept with the
// books, the lock date a lock or reopening sets, and each closed copy a closing wrote, as
// another set of books of the same database named as its file. Throws BooksMoved when the
// server's books went past `base`, ServerError when the server refuses. Working copies of
// other books `alongside` are sent in the same transaction, all or nothing. Gives the books'
// latest entry after it.
std::int64_t pushWorkingCopy(ServerBooks& server, const QString& workingPath, std::int64_t base,
                             const QStringList& closedCopies = {},
                             const std::vector<WorkingCopy>& alongside = {});

} // namespace folio::server
