#pragma once
#include <sys/types.h>

namespace folio {

// The system calls through which the file layer changes files, behind one seam so that a
// test can stand in for the disk: make a write come up short, or remember what was
// written but not yet synced and drop it as a power cut would. Each call answers as the
// system call of its name does (-1 with errno set on failure).
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual int open(const char* path, int flags, mode_t mode);
    virtual int close(int fd);
    virtual ssize_t pread(int fd, void* buffer, size_t size, off_t offset);
    virtual ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset);
    // On a folder opened with O_DIRECTORY, makes its entries (new names, renames) durable.
    virtual int fsync(int fd);
    virtual int fdatasync(int fd);
    virtual int ftruncate(int fd, off_t length);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

// The file system in use: the real one unless a test installed another.
FileSystem& fileSystem();
// Installs a stand-in (nullptr puts the real one back). The caller keeps it alive.
void setFileSystem(FileSystem* replacement);

} // namespace folio
