#include "session/server_home.h"
#include "data/file_error.h"
#include "journal/books_digest.h"
#include "journal/journal_binding.h"
#include "journal/journal_files.h"
#include "journal/journal_store.h"
#include "server/books_copy.h"
#include "server/entry_pull.h"
#include "server/entry_push.h"
#include "server/journal_reader.h"
#include "server/server_rows.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace folio::session {

namespace {
// How often a copy is made again when the books changed while it was made.
constexpr int kCopyTries = 5;
// The private folders of working copies are named so that their paths can be told in a text.
constexpr const char* kFolderName = "folio-server-";

// Runs a step with the server or the working copy, any failure in words for the user.
template <typename Step> auto guarded(Step&& step) {
    try {
        return step();
    } catch (const server::ServerError&) {
        throw;
    } catch (const FileError& error) {
        throw server::ServerError(
            QStringLiteral("Folio cannot write the working copy of the server's books: %1")
                .arg(errorMessage(error.number())));
    } catch (const std::exception& failure) {
        throw server::ServerError(server::serverWords(failure));
    }
}

// The copy's journal is made the journal of the copy: it names the copy as its books and
// keeps the digest of what the server holds, whoever wrote it there, so opening it finds
// neither other books nor books changed outside Folio.
void adoptCopy(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw server::ServerError(
            QStringLiteral("Folio cannot read %1: %2").arg(path, file.errorString()));
    }
    const journal::BooksDigest digest = journal::digestOfImage(file.readAll());
    journal::JournalStore store;
    store.open(journal::journalPathOf(path));
    store.setValue(QStringLiteral("books"), journal::resolvedBooks(path));
    store.setValue(QStringLiteral("sum"), QString::number(static_cast<qint64>(digest.sum)));
    store.setValue(QStringLiteral("records"), QString::number(digest.records));
    store.close();
}
} // namespace

ServerHome::ServerHome(const QString& address)
    : address_(address), server_(server::ServerAddress::parse(address)),
      folder_(QDir::temp().filePath(QLatin1String(kFolderName) + QStringLiteral("XXXXXX"))) {
    if (!folder_.isValid()) {
        throw server::ServerError(
            QStringLiteral("Folio cannot make a private folder for the server's books: %1")
                .arg(folder_.errorString()));
    }
    guarded([this] { return server_.booksId(); }); // books of that name must be there
}

QString ServerHome::workingPath() const {
    QString name = server_.address().books;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return folder_.filePath(name);
}

QString ServerHome::shownText(const QString& text) const {
    static const QRegularExpression folder(QStringLiteral("/(?:[^/\\n]+/)*") +
                                           QLatin1String(kFolderName) +
                                           QStringLiteral("[A-Za-z0-9]{6}/"));
    QString shown = text;
    return shown.replace(folder,
                         address_.left(address_.indexOf(QLatin1Char('#'))) + QLatin1Char('#'));
}

void ServerHome::fetch() {
    guarded([this] { fetchCopy(); });
}

void ServerHome::fetchCopy() {
    for (int attempt = 1;; ++attempt) {
        // Everything of the last copy goes, the closed copies a closing wrote beside it too.
        QDir folder(folder_.path());
        for (const QString& each : folder.entryList(QDir::Files | QDir::Hidden)) {
            folder.remove(each);
        }
        const std::int64_t before = server_.lastSeq();
        const std::int64_t reconciled = server_.lastReconciliation();
        const std::string stamp = server_.valuesStamp();
        server::copyServerToFile(server_, workingPath());
        try {
            adoptCopy(workingPath());
        } catch (const FileError&) {
            // Opened all the same, as books changed outside Folio.
        }
        // A change committed while the copy was read would leave it half one, half the other.
        if ((server_.lastSeq() == before && server_.lastReconciliation() == reconciled &&
             server_.valuesStamp() == stamp) ||
            attempt == kCopyTries) {
            base_ = before;
            reconciled_ = reconciled;
            stamp_ = stamp;
            server::JournalReader journal(journal::journalPathOf(workingPath()));
            values_ = server::keptValues(journal);
            return;
        }
    }
}

bool ServerHome::refresh() {
    return guarded([this] {
        if (base_ >= 0) {
            try {
                if (auto now = server::pullNewEntries(server_, workingPath(), mark())) {
                    adopt(std::move(*now));
                    return true;
                }
            } catch (const FileError&) {
            } catch (const journal::JournalUnusable&) {
            }
        }
        fetchCopy(); // whatever the copy holds now goes with it
        return false;
    });
}

QString ServerHome::madeBy(std::int64_t seq) {
    return guarded([&] { return server_.madeBy(seq); });
}

QStringList ServerHome::closedBooksBeside() {
    return guarded([this] { return server_.closedBooksBeside(); });
}

QString ServerHome::user() {
    return guarded([this] { return server_.user(); });
}

bool ServerHome::movedOn() {
    return guarded([this] {
        return server_.lastSeq() != base_ || server_.lastReconciliation() != reconciled_ ||
               server_.valuesStamp() != stamp_;
    });
}

void ServerHome::push(const QStringList& closedCopies, const ServerHome* alongside) {
    std::vector<server::WorkingCopy> others;
    if (alongside != nullptr) {
        others.push_back(
            {alongside->server_.address().books, alongside->workingPath(), alongside->mark()});
    }
    adopt(guarded([&] {
        return server::pushWorkingCopy(server_, workingPath(), mark(), closedCopies, others);
    }));
}

void ServerHome::adopt(server::ServerMark now) {
    base_ = now.lastSeq;
    reconciled_ = now.lastReconciliation;
    values_ = std::move(now.values);
    stamp_ = std::move(now.valuesStamp);
}

std::unique_ptr<ServerHome> ServerHome::besideHome(const QString& recordedPath) const {
    auto home = std::make_unique<ServerHome>(address_.left(address_.indexOf(QLatin1Char('#'))) +
                                             QLatin1Char('#') + QFileInfo(recordedPath).fileName());
    home->fetch();
    return home;
}

} // namespace folio::session
