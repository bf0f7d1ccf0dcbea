#pragma once
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <sys/types.h>

// The steps the file layer shares: opening a file that may serve as books, reading and
// writing at an offset through the file-system seam, and syncing a folder. Every failure
// throws FileError.
namespace folio {

// The most records Folio works on in one file, and so the largest file it opens: the
// posting tab and the closings hold all of a file's accounts in memory (some 200 bytes
// each), so this keeps them within a few GiB, while a file of 1 GiB still opens.
inline constexpr std::int64_t kMostRecords = 20'000'000;
inline constexpr std::int64_t kLargestFile = kMostRecords * 62;

// The path as the system takes it; an empty name or one holding NUL is refused.
QByteArray nativePath(const QString& path);
// Whether the folder of a path is missing (a failed open then reports a path error).
bool folderMissing(const QString& path);

// Opens a path that must be a regular file of at most kLargestFile bytes: a folder, a
// device, a pipe or a socket is refused without reading or writing it (the open never
// waits on a pipe). Gives the descriptor.
int openRegularFile(const QString& path, int flags, mode_t mode = 0666);

// Reads up to `size` bytes at `offset`; gives how many were there before the end.
std::size_t readAt(int fd, void* buffer, std::size_t size, off_t offset);
// Writes all `size` bytes at `offset`, going on after a short write.
void writeAt(int fd, const void* buffer, std::size_t size, off_t offset);
// Makes the entries of the folder holding `path` durable (a rename into it, a new name).
void syncFolderOf(const QString& path);
// The length of an open file.
std::int64_t lengthOf(int fd);

} // namespace folio
