#include "journal/journal_binding.h"
#include "data/file_error.h"
#include "journal/file_image.h"
#include "journal/journal_files.h"
#include "journal/journal_store.h"
#include <QFileInfo>
#include <QUuid>
#include <algorithm>
#include <set>

namespace folio::journal {

namespace {
constexpr qsizetype kSize = static_cast<qsizetype>(RecordLayout::kRecordSize);
const QString kGeneration = QStringLiteral("generation");

bool holdsEither(const QByteArray& image, const Entry& entry) {
    return std::all_of(entry.lines.begin(), entry.lines.end(), [&image](const Line& line) {
        const std::optional<AccountRecord> held = recordAt(image, line.record);
        return held == line.before || held == line.after;
    });
}
} // namespace

QString resolvedBooks(const QString& booksPath) {
    const QFileInfo info(booksPath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

bool reachesPastEnd(const Entry& entry, qsizetype imageSize) {
    const auto records = static_cast<int>((imageSize + kSize - 1) / kSize);
    std::set<int> named;
    for (const Line& line : entry.lines) {
        if (line.record < 1) {
            return true;
        }
        named.insert(line.record);
    }
    int expected = records + 1;
    for (const int record : named) {
        if (record > records) {
            if (record != expected) {
                return true;
            }
            ++expected;
        }
    }
    return false;
}

bool begunOn(const QByteArray& image, const Entry& entry,
             const std::optional<BooksDigest>& beforeDigest) {
    if (!beforeDigest) {
        return holdsEither(image, entry);
    }
    // Moving records, the entry rewrote the books whole in one step: they are as before it,
    // or as after it.
    if (movesRecords(entry) && digestOfImage(image) == *beforeDigest) {
        return true;
    }
    Entry back = entry;
    back.lines = oppositeLines(entry.lines);
    return digestOfImage(applied(image, back)) == *beforeDigest;
}

void checkLogBelongs(const QString& journalPath) {
    QString alone;
    QString through;
    try {
        JournalStore store;
        store.openToRead(journalPath, true);
        alone = store.value(kGeneration);
    } catch (const FileError&) {
        // The file alone holds no tables yet: all of the journal is in its log.
    }
    if (alone.isEmpty()) {
        return; // or a journal from before generations were kept
    }
    {
        JournalStore store;
        store.openToRead(journalPath, false);
        through = store.value(kGeneration);
    }
    if (through != alone) {
        throw JournalUnusable(
            QStringLiteral("the log beside it (%1-wal), left by a Folio that stopped, was "
                           "written over another copy of the journal (one restored from a "
                           "backup?), so its entries do not belong to these books; move the "
                           "log away to use the journal again")
                .arg(journalPath));
    }
}

void renewGeneration(JournalStore& store) {
    Database& db = store.database();
    // Written straight into the database file, not into the log: the log written from now
    // on carries this generation, and the file alone says it too. While another connection
    // reads the journal, the mode stays and so does the generation.
    if (db.tryExec("PRAGMA journal_mode=DELETE") != 0) {
        return;
    }
    bool alone = false;
    {
        Statement mode(db, "PRAGMA journal_mode");
        alone = mode.step() && mode.text(0) == QLatin1String("delete");
    }
    if (alone) {
        store.setValue(kGeneration, QUuid::createUuid().toString(QUuid::WithoutBraces));
    }
    db.exec("PRAGMA journal_mode=WAL");
}

} // namespace folio::journal
