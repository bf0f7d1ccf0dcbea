#include "session/server_home.h"
#include "data/file_error.h"
#include "journal/books_digest.h"
#include "journal/journal_binding.h"
#include "journal/journal_store.h"
#include "server/books_copy.h"
#include "server/entry_push.h"
#include "server/journal_reader.h"
#include "server/server_rows.h"
#include <QDir>
#include <QFile>
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
        server::copyServerToFile(server_, workingPath());
        try {
            adoptCopy(workingPath());
        } catch (const FileError&) {
            // Opened all the same, as books changed outside Folio.
        }
        // A change committed while the copy was read would leave it half one, half the other.
        if ((server_.lastSeq() == before && server_.lastReconciliation() == reconciled) ||
            attempt == kCopyTries) {
            base_ = before;
            reconciled_ = reconciled;
            server::JournalReader journal(journal::journalPathOf(workingPath()));
            values_ = server::keptValues(journal);
            return;
        }
    }
}

QString ServerHome::madeBy(std::int64_t seq) {
    return guarded([&] { return server_.madeBy(seq); });
}

QString ServerHome::user() {
    return guarded([this] { return server_.user(); });
}

bool ServerHome::movedOn() {
    return guarded([this] {
        return server_.lastSeq() != base_ || server_.lastReconciliation() != reconciled_;
    });
}

void ServerHome::push(const QStringList& closedCopies) {
    server::ServerMark pushed = guarded([&] {
        return server::pushWorkingCopy(server_, workingPath(), {base_, reconciled_, values_},
                                       closedCopies);
    });
    base_ = pushed.lastSeq;
    reconciled_ = pushed.lastReconciliation;
    values_ = std::move(pushed.values);
}

} // namespace folio::session
