#pragma once
#include <QString>
#include <memory>

class QLockFile;

namespace folio::app {

// Keeps one running Folio per accounts file: while a file is selected, a lock file beside
// it ("<path>.lock") names the Folio that works on it. A lock whose owner is no longer
// running (a Folio that was killed) is taken over without a question.
class BooksLock {
  public:
    enum class Claim { Taken, HeldElsewhere };

    BooksLock();
    ~BooksLock();
    BooksLock(const BooksLock&) = delete;
    BooksLock& operator=(const BooksLock&) = delete;

    static QString lockPathFor(const QString& accountsPath);

    // Tries to hold the lock of another accounts file. The lock held so far is kept when
    // the claim fails and given up when it succeeds. Claiming the file already held
    // succeeds at once. A folder where no lock can be written does not stop the work:
    // the claim then succeeds without a lock.
    Claim claim(const QString& accountsPath);
    void release();
    bool holds(const QString& accountsPath) const;

  private:
    std::unique_ptr<QLockFile> lock_;
    QString lockPath_;
};

// Removes what an interrupted Folio may have left beside an accounts file: the delete's
// "File.TMP" and the half-written temporary closed copies and their journals.
void removeStaleLeftovers(const QString& accountsPath);

} // namespace folio::app
