#pragma once
#include "data/account_record.h"
#include "data/file_rewrite.h"
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace folio {

class FileTable;

// A change of the accounts file as the file layer writes it, with one sync. Either records
// written where they are (the file grows by those written past its end), or, when the
// length changes, the file written whole beside itself and put in its place: the records of
// the old file with one removed (the later ones move up) or one put in (the later ones move
// down), the written records in place of theirs, cut or padded to `countAfter`.
struct RecordPatch {
    // One record written, with its image before (empty: past the end of the file).
    struct Write {
        int record = 0;
        std::optional<AccountRecord> before;
        AccountRecord after;
    };
    enum class Move { None, Remove, Insert };

    std::vector<Write> writes; // each record once, in the order first written
    bool rewrite = false;      // the file is written whole
    Move move = Move::None;
    int at = 0;          // the record removed or put in
    AccountRecord moved; // its image
    // Records in the file before (a last partial one counted); -1 when the patch does not
    // know them (it defines the whole file), so the file is never taken to hold it before.
    int countBefore = 0;
    int countAfter = 0;
    std::int64_t lengthBefore = 0; // the file's bytes before
};

// The records a file of `length` bytes holds, a last partial one counted.
int recordsIn(std::int64_t length);

// Writes the patch to the file open under `number` at `path`, with one sync. A rewrite
// leaves the file open again under the same number. Throws FileError; the file may then
// hold part of an in-place patch (see restorePatch), while a rewrite that failed before
// its rename left the file as it was.
void applyPatch(FileTable& files, int number, const QString& path, const RecordPatch& patch);

// The file written whole for a patch (`rewrite`), beside the file first and put in its
// place by commit(): what the rewrite learns of the records on the way can be kept before
// the file changes. `moved` is told of the records of the old file that land at another
// number, a run at a time: the first's number before and after, and their bytes as the file
// holds them. Destroyed without commit(), it leaves the file as it was.
class StagedRewrite {
  public:
    using Moved = std::function<void(int from, int to, std::span<const RecordBytes> records)>;
    StagedRewrite(FileTable& files, int number, const QString& path, const RecordPatch& patch,
                  const Moved& moved = {});
    // Puts the new file in place (see FileRewrite::commit) and opens it under the number.
    void commit();

  private:
    FileTable& files_;
    int number_;
    QString path_;
    FileRewrite rewrite_;
};

// Puts back the images an in-place patch wrote over and the length it had, with one sync.
void restorePatch(FileTable& files, int number, const RecordPatch& patch);

// What the file holds of a patch: all its images before, all after, or neither.
enum class PatchState { Before, After, Neither };
PatchState patchStateOf(FileTable& files, int number, const RecordPatch& patch);

} // namespace folio
