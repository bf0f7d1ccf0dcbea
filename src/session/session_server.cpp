// The books session on books kept on a PostgreSQL server.
#include "server/entry_push.h"
#include "session/books_session.h"
#include "session/server_home.h"
#include <QDir>
#include <QFileInfo>

namespace folio::session {

namespace {
// How often a repeatable change is made again after another client changed the books first.
constexpr int kRepeats = 5;
} // namespace

void BooksSession::openServer(const QString& address) {
    auto home = std::make_unique<ServerHome>(address);
    home->fetch();
    keepCompanyValues();
    journal_.close();
    lock_.release();
    books_.forget();
    beside_.clear();
    server_ = std::move(home);
    if (!refetch() || !hasJournal()) {
        // Without their journal the changes could not be sent: the books are not opened.
        journal_.close();
        books_.forget();
        server_.reset();
        throw server::ServerError(
            QStringLiteral("Folio cannot keep a working copy of the server's books with its "
                           "journal in the temporary folder; nothing was opened."));
    }
}

void BooksSession::leaveServer() {
    beside_.clear();
    if (server_) {
        journal_.close();
        server_.reset();
    }
}

std::function<QString(const QString&)> BooksSession::booksLocator() {
    if (!server_) {
        return {};
    }
    return [this](const QString& recorded) {
        const QString name = QFileInfo(recorded).fileName();
        try {
            std::unique_ptr<ServerHome>& home = beside_[name];
            if (home) {
                home->refresh();
            } else {
                home = server_->besideHome(recorded);
            }
            return home->workingPath();
        } catch (const server::ServerError& error) {
            beside_.erase(name);
            throw Refusal(server_->shownText(error.words()));
        }
    };
}

QStringList BooksSession::closedBooksBeside() {
    try {
        return server_ ? server_->closedBooksBeside() : QStringList();
    } catch (const server::ServerError& error) {
        throw Refusal(error.words());
    }
}

QString BooksSession::shownName() const {
    return server_ ? server_->address() : books_.path();
}

QString BooksSession::shownNameOf(const QString& path) const {
    return server_ ? server_->shownText(path) : path;
}

QString BooksSession::nearbyPath() const {
    return server_ ? QDir::home().filePath(QFileInfo(books_.path()).fileName()) : books_.path();
}

bool BooksSession::followServer() {
    try {
        if (!server_ || !server_->movedOn()) {
            return false;
        }
    } catch (const server::ServerError&) {
        return false; // the next change says what is wrong with the server
    }
    refetch();
    emit changed(Origin::OtherClient);
    return true;
}

std::optional<QString> BooksSession::changeOfAnother() {
    if (!server_ || !journal_.canUndo()) {
        return std::nullopt;
    }
    const std::int64_t seq = journal_.undoTarget();
    try {
        const QString maker = server_->madeBy(seq);
        if (maker.isEmpty() || maker == server_->user()) {
            return std::nullopt;
        }
        return QStringLiteral("Entry %1 was made by %2. On books shared on a server, Undo takes "
                              "back only your own latest change; reverse the entry instead.")
            .arg(seq)
            .arg(maker);
    } catch (const server::ServerError& error) {
        return error.words();
    }
}

bool BooksSession::refetch() {
    journal_.close();
    books_.forget();
    try {
        server_->refresh();
        books_.select(server_->workingPath());
    } catch (const server::ServerError&) {
        return false;
    } catch (const FileError&) {
        return false;
    }
    // What opening a file's journal tells (an earlier Folio's journal, a file changed outside
    // Folio) is about the working copy, not the books on the server.
    openJournal();
    return true;
}

ChangeResult BooksSession::sendToServer(Origin origin, const std::function<ChangeResult()>& change,
                                        bool repeatable, const QStringList& closedCopies,
                                        const ServerHome* alongside) {
    if (!hasJournal()) {
        return refusal(QStringLiteral("The books' server cannot be read now; open the server "
                                      "books again."));
    }
    for (int attempt = 0;; ++attempt) {
        ChangeResult result = change();
        if (result.refused) {
            result.refused = server_->shownText(*result.refused);
        }
        if (!result.tookEffect) {
            return result; // refused, or failed before the working copy changed
        }
        if (result.failed) {
            result.tookEffect = false;
        } else {
            try {
                server_->push(closedCopies, alongside);
                emit changed(origin);
                return result;
            } catch (const server::BooksMoved& moved) {
                if (repeatable && attempt < kRepeats && refetch()) {
                    continue;
                }
                result = refusal(moved.words());
            } catch (const server::ServerError& error) {
                result = refusal(error.words());
            }
        }
        // The working copy goes back to the books as the server holds them.
        if (!refetch() && result.refused) {
            result.refused = *result.refused + QStringLiteral("\n\nThe books' server cannot be "
                                                              "read now either.");
        }
        emit changed(origin); // the shown tab keeps what was typed on it
        return result;
    }
}

} // namespace folio::session
