#pragma once
#include <QString>
#include <array>
#include <stdexcept>

namespace folio::journal {

// A journal Folio cannot use, with the words that say why ("it is a symbolic link ...").
// The books are never touched because of it: Folio goes on without the journal.
class JournalUnusable : public std::runtime_error {
  public:
    explicit JournalUnusable(const QString& why) : std::runtime_error("journal"), why_(why) {}
    const QString& why() const { return why_; }

  private:
    QString why_;
};

// The files of one journal (the database and its -wal and -shm) as an opening finds them.
// Refuses, before anything is opened, a journal that is a link, a folder, not a regular
// file, empty, unreadable or read-only, and side files that are not plain files; after an
// opening that failed, removes the side files that opening created, and the journal too
// when it was created by it.
class JournalFiles {
  public:
    // Throws JournalUnusable. `toWrite` refuses a journal that may not be written.
    JournalFiles(const QString& journalPath, bool toWrite);
    bool existed() const { return existed_[0]; }
    // Whether a log beside the journal holds changes not yet copied into it.
    bool hasLog() const;
    void removeCreated() const;

  private:
    QString path_;
    std::array<bool, 3> existed_{};
};

class JournalStore;

// Opens the journal at `journalPath` only to read it, with what its log holds, never
// writing, checkpointing or removing anything beside it (a running Folio's journal is left
// as it is). False when there is no journal there. A journal that cannot be used throws
// FileError 75 (path/file access error), as a file that cannot be read.
bool openJournalToRead(JournalStore& store, const QString& journalPath);

// The words for an SQLite result code met while opening a journal.
QString problemOfCode(int code);

} // namespace folio::journal
