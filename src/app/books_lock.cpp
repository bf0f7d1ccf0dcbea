#include "app/books_lock.h"
#include "data/file_rewrite.h"

BooksLock::Claim BooksLock::claim(const QString& accountsPath) {
    return lock_.claim(accountsPath) == folio::FileLock::Claim::Taken ? Claim::Taken
                                                                      : Claim::HeldElsewhere;
}

void removeStaleLeftovers(const QString& accountsPath) {
    for (const char* copy : {"", " closed monthly", " closed ytd"}) {
        folio::removeLeftovers(accountsPath + QLatin1String(copy));
    }
}
