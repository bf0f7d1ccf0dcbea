#pragma once
#include "data/file_system.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <utility>

// A disk that loses power on demand, for one folder: it remembers the bytes of each file
// as last synced and the folder's names as last synced, and tells what a power cut at
// this moment would leave (every write and rename not yet synced dropped). In use while
// it lives.
class PowerLossDisk : public folio::FileSystem {
  public:
    // Everything in the folder now counts as synced.
    explicit PowerLossDisk(const QString& folder);
    ~PowerLossDisk() override;

    // The bytes a cut now would leave under a name in the folder (empty when gone).
    QByteArray afterCut(const QString& name) const;
    // Runs before every call that reaches the disk.
    std::function<void()> beforeCall = [] {};

    int open(const char* path, int flags, mode_t mode) override;
    ssize_t pread(int fd, void* buffer, size_t size, off_t offset) override;
    ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset) override;
    int fsync(int fd) override;
    int fdatasync(int fd) override;
    int ftruncate(int fd, off_t length) override;
    int rename(const char* from, const char* to) override;
    int unlink(const char* path) override;

  private:
    using Inode = std::pair<dev_t, ino_t>;
    QString nameIn(const char* path) const; // empty outside the folder
    void synced(int fd);
    int sync(int fd, const std::function<int()>& real); // fsync or fdatasync

    QString folder_;
    Inode folderInode_{};
    std::map<Inode, QByteArray> syncedBytes_;
    std::map<QString, Inode> names_;
    std::map<QString, Inode> syncedNames_;
};
