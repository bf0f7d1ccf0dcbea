// A journal made whole beside its place and renamed into it: written once, straight into
// the database file, with one sync at the end, rather than into the log, synced at every
// commit, and then copied into the file again.
#include "data/file_io.h"
#include "data/file_table.h"
#include "journal/journal_store.h"
#include <QFile>
#include <sqlite3.h>

namespace folio::journal {

void JournalStore::build(const QString& path) {
    close();
    db_.open(path);
    // Pages of the file system's block: a large entry (the opening of large books) is written
    // in a quarter of the writes 1 KiB pages take, and a later change still writes few.
    db_.exec("PRAGMA page_size=4096");
    // Rolled back in memory only; the file itself is thrown away if the build fails.
    db_.exec("PRAGMA journal_mode=MEMORY");
    db_.exec("PRAGMA synchronous=OFF");
    building_ = true;
    makeTables();
}

void JournalStore::finishBuilding() {
    {
        // The mode is kept in the file's header: written now, unsynced, and synced below.
        Statement mode(db_, "PRAGMA journal_mode=WAL");
        if (!mode.step() || mode.text(0) != QLatin1String("wal")) {
            db_.fail(SQLITE_IOERR);
        }
    }
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db_.handle(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        file == nullptr || file->pMethods == nullptr) {
        db_.fail(SQLITE_IOERR);
    }
    if (const int code = file->pMethods->xSync(file, SQLITE_SYNC_NORMAL); code != SQLITE_OK) {
        db_.fail(code);
    }
    close();
}

namespace {

void removeWithLog(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

} // namespace

void JournalStore::buildInPlace(const QString& path, const std::function<void()>& fill) {
    const QString temporary = path + QStringLiteral(".TMP");
    removeWithLog(temporary); // what a build stopped part way left
    try {
        build(temporary);
        fill();
        finishBuilding();
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        FileTable::rename(temporary, path);
        syncFolderOf(path); // in place before anything is changed with it
    } catch (...) {
        close();
        removeWithLog(temporary);
        throw;
    }
}

void JournalStore::markAppliedAndClose(std::int64_t seq) {
    cached("PRAGMA synchronous=OFF").run();
    cached("UPDATE books SET value = 0 WHERE key = 'pending' AND value = ?").bind(1, seq).run();
    db_.keepLogOnClose();
    close();
}

} // namespace folio::journal
