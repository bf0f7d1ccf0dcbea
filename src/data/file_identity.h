#pragma once
#include <QString>
#include <optional>
#include <sys/types.h>

namespace folio {

// Which file a path or an open descriptor names (device and inode), so that two paths to
// one file (a symbolic or a hard link) are seen as one, and a command can tell whether a
// rewrite already put its new file in place when a later step of it failed.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// The file a path names now, following links; empty when nothing is there.
std::optional<FileIdentity> fileIdentity(const QString& path);
// The file an open descriptor refers to; empty when it cannot be told.
std::optional<FileIdentity> fileIdentityOf(int fd);

} // namespace folio
