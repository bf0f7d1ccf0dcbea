#pragma once
#include "server/entry_push.h"
#include "server/journal_reader.h"
#include "server/server_books.h"
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

namespace folio::session {

// Where a books session keeps books that live on a PostgreSQL server: the connection, and a
// working copy of the books (their accounts file and journal in a private folder) that every
// view reads and the session's own rules change. A change made there is sent to the server
// as one transaction; the working copy is then made again from the server. Throws
// server::ServerError, in words for the user, when the server cannot be used.
class ServerHome {
  public:
    explicit ServerHome(const QString& address);

    // The address as the user gave it, shown where a file's path would be.
    const QString& address() const { return address_; }
    // The working copy's accounts file, named as the set of books.
    QString workingPath() const;
    // A text with the paths of working copies (this one's or another client's, as a closing
    // recorded them) written as the addresses of those books on this server.
    QString shownText(const QString& text) const;
    // Makes the working copy again from the server's books as they are now.
    void fetch();
    // Brings the working copy forward to the server's books as they are now, reading only
    // what is new since it was made (and taking back a change the server did not take);
    // makes it again whole when it cannot be brought forward. True when it was brought
    // forward.
    bool refresh();
    // Whether the server's books changed (an entry, a reconciliation) since the working copy
    // was made.
    bool movedOn();
    // The database user who made an entry, and the one this connection logs in as.
    QString madeBy(std::int64_t seq);
    QString user();
    // The other sets of books of the same database that were closed, by name.
    QStringList closedBooksBeside();
    // Sends what the working copy recorded since it was made (and the closed copies a
    // closing wrote beside it, and what the working copy of other books of the same
    // database `alongside` recorded) as one change; throws server::BooksMoved when another
    // client changed the books first.
    void push(const QStringList& closedCopies = {}, const ServerHome* alongside = nullptr);
    // The set of books of the same database that a path a closing recorded names (the
    // closed copy it wrote, or the books a closed copy was closed from, in whichever
    // client's working copy), in a working copy of its own made now.
    std::unique_ptr<ServerHome> besideHome(const QString& recordedPath) const;

  private:
    void fetchCopy();
    server::ServerMark mark() const { return {base_, reconciled_, values_, stamp_}; }
    void adopt(server::ServerMark now);

    QString address_;
    server::ServerBooks server_;
    QTemporaryDir folder_;
    std::int64_t base_ = -1;       // the server's latest entry when the working copy was made
    std::int64_t reconciled_ = -1; // and its latest reconciliation
    server::KeptValues values_;    // and the values kept with the books
    std::string stamp_;            // and the digest of those values on the server
};

} // namespace folio::session
