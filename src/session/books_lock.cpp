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
    // The journal of a closed copy is written beside it under a name of its own.
    for (const char* journal : {" closed monthly.journal.TMP", " closed ytd.journal.TMP"}) {
        const QString leftover = accountsPath + QLatin1String(journal);
        if (QFileInfo(leftover).isFile() && !QFileInfo(leftover).isSymLink()) {
            QFile::remove(leftover);
        }
    }
}

} // namespace folio::session
