#include "data/file_lock.h"
#include "data/file_error.h"
#include "data/file_identity.h"
#include "data/file_io.h"
#include "data/file_system.h"
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <vector>

namespace folio {

namespace {

// The locks this process holds; a second claim of a file held here must not meet its own
// lock as if another Folio held it.
std::vector<FileLock*>& heldHere() {
    static std::vector<FileLock*> locks;
    return locks;
}

enum class Locking { Locked, Held, Unsupported };

Locking lockWhole(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    whole.l_start = 0;
    whole.l_len = 0;
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0) {
        return Locking::Locked;
    }
    if (errno == EAGAIN || errno == EACCES) {
        return Locking::Held;
    }
    return Locking::Unsupported; // a file system without locks: work on without one
}

} // namespace

FileLock::~FileLock() {
    release();
}

bool FileLock::lockDescriptor(int fd) {
    return lockWhole(fd) != Locking::Held;
}

FileLock::Claim FileLock::claim(const QString& path, bool create) {
    if (holds(path)) {
        return Claim::Taken;
    }
    if (FileLock* other = heldFor(path); other != nullptr && other != this) {
        return Claim::HeldElsewhere;
    }
    // The path may be given a new file by another Folio's rewrite between the open and
    // the lock; the lock counts only on the file the path still names.
    for (int attempt = 0; attempt < 16; ++attempt) {
        int fd = -1;
        try {
            fd = openRegularFile(path, O_RDWR | (create ? O_CREAT : 0));
        } catch (const FileError& error) {
            if (!create && error.number() == 53) {
                return Claim::Taken;
            }
            throw;
        }
        if (lockWhole(fd) == Locking::Held) {
            fileSystem().close(fd);
            return Claim::HeldElsewhere;
        }
        if (fileIdentityOf(fd) == fileIdentity(path)) {
            setDescriptor(fd);
            return Claim::Taken;
        }
        fileSystem().close(fd);
    }
    return Claim::HeldElsewhere;
}

void FileLock::release() {
    if (fd_ >= 0) {
        fileSystem().close(fd_);
        fd_ = -1;
        auto& locks = heldHere();
        locks.erase(std::remove(locks.begin(), locks.end(), this), locks.end());
    }
}

bool FileLock::holds(const QString& path) const {
    if (fd_ < 0) {
        return false;
    }
    const auto named = fileIdentity(path);
    return named && fileIdentityOf(fd_) == named;
}

void FileLock::adopt(int lockedFd) {
    setDescriptor(lockedFd);
}

void FileLock::setDescriptor(int fd) {
    release();
    fd_ = fd;
    heldHere().push_back(this);
}

FileLock* FileLock::heldFor(const QString& path) {
    for (FileLock* lock : heldHere()) {
        if (lock->holds(path)) {
            return lock;
        }
    }
    return nullptr;
}

bool FileLock::isLocked(const QString& path) {
    if (heldFor(path) != nullptr) {
        return true;
    }
    FileLock probe;
    return probe.claim(path, false) == Claim::HeldElsewhere;
}

} // namespace folio
