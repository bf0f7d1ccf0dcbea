#include "app/books_lock.h"
#include "data/file_rewrite.h"

namespace folio::app {

BooksLock::Claim BooksLock::claim(const QString& accountsPath) {
    return lock_.claim(accountsPath) == FileLock::Claim::Taken ? Claim::Taken
                                                               : Claim::HeldElsewhere;
}

void removeStaleLeftovers(const QString& accountsPath) {
    for (const char* copy : {"", " closed monthly", " closed ytd"}) {
        removeLeftovers(accountsPath + QLatin1String(copy));
    }
}

} // namespace folio::app
