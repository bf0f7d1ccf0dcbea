#pragma once
#include "data/file_lock.h"
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace folio {

// Told how far a long piece of file work has come (bytes done of all); false stops it.
using Progress = std::function<bool(std::int64_t done, std::int64_t total)>;

// The records a rewrite or a search handles at a time: its memory stays near 1 MiB.
inline constexpr int kChunkRecords = 16384;

// A new version of a file, written beside it under a private name and put in its place in
// one step. The temporary file is Folio's own: named after the file with a unique part,
// created afresh (never through a name someone planted), locked while it exists, and
// removed on any failure. The new file keeps the mode and owner of the one it replaces;
// a symbolic link stays a link and its target gets the new contents. The file must not be
// held by another Folio (FileError 55, "File Already Open").
class FileRewrite {
  public:
    // `replaceHeld`: the file is the books this Folio holds, whose lock moves to the new
    // file; otherwise a file this Folio holds is refused like one held elsewhere.
    FileRewrite(const QString& target, bool replaceHeld);
    ~FileRewrite();
    FileRewrite(const FileRewrite&) = delete;
    FileRewrite& operator=(const FileRewrite&) = delete;

    void append(const void* bytes, std::size_t size);
    // Syncs the new file, renames it over the target and syncs the folder. When only the
    // folder's sync fails, the new file is already in place.
    void commit();
    QString temporaryPath() const { return temporary_; }

  private:
    void flush();

    QString target_;
    QString temporary_;
    int fd_ = -1;
    bool renamed_ = false;
    FileLock* held_;   // this Folio's lock on the file replaced, which moves to the new one
    FileLock claimed_; // the lock taken on a file no Folio held, for the rewrite's span
    std::int64_t written_ = 0;
    std::vector<char> buffer_;
};

// The file a path names, through symbolic links; a dangling link is FileError 53.
QString resolvedPath(const QString& path);

// Replaces `target` by its records 1..count without record `skipped`, a chunk at a time
// (records past the end of the file count as zeros). False when `progress` stopped it;
// then the file is as it was.
bool rewriteWithout(const QString& target, int count, int skipped, const Progress& progress = {});

// Whether a name in the folder of `path` is one of Folio's temporary files for it.
bool isTemporaryOf(const QString& name, const QString& path);
// Removes what an interrupted rewrite of `path` left in its folder: only Folio's own
// temporary files of that file that no running Folio holds, never anything else.
void removeLeftovers(const QString& path);

} // namespace folio
