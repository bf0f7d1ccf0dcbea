#pragma once
#include <QString>

namespace folio {

// An exclusive lock that the kernel keeps on a file itself (an open-file-description
// lock), so every path to the file (a symbolic or a hard link) meets it, and it ends with
// the descriptor: a Folio that is killed leaves nothing to clear, and a folder Folio may
// not write locks as well as any other.
class FileLock {
  public:
    enum class Claim { Taken, HeldElsewhere };

    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Opens the file (creating it when `create` and missing), refuses anything that cannot
    // serve as books (FileError) and locks it. The file held so far is kept when the claim
    // fails and given up when it succeeds; claiming the file already held succeeds at once.
    // A missing file that is not to be created is taken without a lock.
    Claim claim(const QString& path, bool create = true);
    void release();
    bool held() const { return fd_ >= 0; }
    // Whether the file held is the one `path` names now.
    bool holds(const QString& path) const;

    // Takes over a descriptor already locked by this process: a rewrite that put a new
    // file in place of the one held hands its descriptor over, so the lock stays on
    // whatever the path names.
    void adopt(int lockedFd);

    // The lock of this process on the file `path` names, if any.
    static FileLock* heldFor(const QString& path);
    // Locks an open descriptor; false when another holds the file.
    static bool lockDescriptor(int fd);
    // Whether any Folio, this one included, holds the file `path` names (false when it is
    // missing). Throws FileError when the path cannot serve as books.
    static bool isLocked(const QString& path);

  private:
    void setDescriptor(int fd);
    int fd_ = -1;
};

} // namespace folio
