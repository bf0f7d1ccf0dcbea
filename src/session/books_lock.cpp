#include "session/books_lock.h"
#include "data/file_rewrite.h"
#include <QFile>
#include <QFileInfo>

namespace folio::session {

BooksLock::Claim BooksLock::claim(const QString& accountsPath) {
    return lock_.claim(accountsPath) == FileLock::Claim::Taken ? Claim::Taken
                                                               : Claim::HeldElsewhere;
}

void removeStaleLeftovers(const QString& accountsPath) {
    for (const char* copy : {"", " closed monthly", " closed ytd"}) {
        removeLeftovers(accountsPath + QLatin1String(copy));
    }
    // A journal being made is written beside its place under a name of its own.
    for (const char* journal :
         {".journal.TMP", " closed monthly.journal.TMP", " closed ytd.journal.TMP"}) {
        const QString leftover = accountsPath + QLatin1String(journal);
        if (QFileInfo(leftover).isFile() && !QFileInfo(leftover).isSymLink()) {
            QFile::remove(leftover);
        }
    }
}

} // namespace folio::session
