#pragma once
#include <QString>
#include <optional>
#include <sys/types.h>

namespace folio::accounts {

// Which file a path names right now (device and inode), so a command can tell whether a
// rewrite already put its new file in place when a later step of it failed.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

// Empty when nothing is there.
std::optional<FileIdentity> fileIdentity(const QString& path);

} // namespace folio::accounts
