#pragma once
#include "data/file_lock.h"
#include <QString>

namespace folio::session {

// Keeps one running Folio per accounts file: while a file is selected, this Folio holds
// the kernel's lock on the file itself (whatever path leads to it), and a second Folio is
// told "File Already Open". The kernel ends the lock with the Folio that held it.
class BooksLock {
  public:
    enum class Claim { Taken, HeldElsewhere };

    // Tries to hold the lock of another accounts file, creating the file when missing.
    // The lock held so far is kept when the claim fails and given up when it succeeds.
    // Claiming the file already held succeeds at once. Throws FileError when the path
    // cannot serve as books (a folder, a device, no access, too large ...).
    Claim claim(const QString& accountsPath);
    void release() { lock_.release(); }
    bool holds(const QString& accountsPath) const { return lock_.holds(accountsPath); }

  private:
    FileLock lock_;
};

// Removes what an interrupted Folio left beside an accounts file and its closed copies:
// only Folio's own temporary files of those files (and of their journals), never the
// files themselves.
void removeStaleLeftovers(const QString& accountsPath);

} // namespace folio::session
