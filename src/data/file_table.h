#pragma once
#include "data/account_record.h"
#include "data/file_rewrite.h"
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace folio {

// The record count of a file length: length / 62 taken to the nearest whole number,
// an exact half going to the even neighbour (93 bytes give 2, 155 give 2, 31 give 0).
int recordCountOf(std::int64_t length);

// The numbered file handles (1 to 255) through which the accounts file and its copies are
// read and written one 62-byte record at a time. A record past the end reads as zero
// bytes; writing one past the end extends the file. Only a regular file of at most
// folio::kLargestFile bytes opens. Every failure throws FileError.
class FileTable {
  public:
    static constexpr int kLowest = 1;
    static constexpr int kHighest = 255;

    FileTable() = default;
    FileTable(const FileTable&) = delete;
    FileTable& operator=(const FileTable&) = delete;
    ~FileTable();

    // The lowest number not in use.
    int freeFile() const;
    // Opens (creating it when missing) a file for random access under a free number.
    void open(int number, const QString& path);
    // Opens an existing file only to read it (a statement exported from the command line).
    void openForReading(int number, const QString& path);
    AccountRecord get(int number, int record);
    // Writes one record; when writes are durable the file is synced before returning. A
    // write that fails leaves the file as it was: a record written over is put back, and
    // a file it lengthened is cut back to its old length.
    void put(int number, int record, const AccountRecord& account);
    // Writes one record without syncing (a patch syncs once after all its records).
    void write(int number, int record, const AccountRecord& account);
    // Makes the records written so far durable (nothing when writes are not durable).
    void sync(int number);
    // Cuts the file back to `length` bytes (a patch that lengthened it, taken back).
    void truncate(int number, std::int64_t length);
    std::int64_t length(int number);
    int recordCount(int number) { return recordCountOf(length(number)); }
    void close(int number);
    void closeAll();
    bool isOpen(int number) const;
    int openCount() const;

    // Reads records 1..count in order, folio::kChunkRecords at a time (past the end they
    // read as zeros), handing each to `visit` until it gives false. False when `progress`
    // stopped the reading.
    bool scan(int number, int count, const std::function<bool(int, const AccountRecord&)>& visit,
              const folio::Progress& progress = {});
    // The same, handing over each record's bytes undecoded (for a quick look at many).
    bool scanBytes(int number, int count, const std::function<bool(int, const RecordBytes&)>& visit,
                   const folio::Progress& progress = {});
    // The same, a whole chunk at a time: the number of its first record and its records. The
    // chunk lies in a buffer the table keeps for the next reading, so that reading the file
    // again does not ask the system for fresh memory each time.
    using ChunkVisit = std::function<bool(int first, std::span<const RecordBytes> records)>;
    bool scanChunks(int number, int count, const ChunkVisit& visit,
                    const folio::Progress& progress = {});
    // Reads records first, first + 1 ... into `into` (past the end they read as zeros).
    void readRecords(int number, int first, std::span<RecordBytes> into);

    static bool exists(const QString& path);
    static void remove(const QString& path);
    static void rename(const QString& from, const QString& to);
    // Replaces a file by `records` in one step, through a private temporary file beside it
    // (see folio::FileRewrite). On any failure the target is as it was and the temporary
    // file is gone. A file another Folio holds is refused (55); so is one this Folio holds
    // unless `heldHere` says it is the books being replaced (their lock moves along).
    static void replaceWhole(const QString& target, const std::vector<AccountRecord>& records,
                             bool heldHere = false);

    // Whether each record write is followed by a sync of the file (on unless measured).
    static void setDurable(bool durable);

    // Every record of an open file (recordCount() of them), read a chunk at a time; a
    // short last record reads zero-padded, as get() gives it.
    std::vector<RecordBytes> readAll(int number);

  private:
    int descriptor(int number) const;
    void openAs(int number, const QString& path, int flags);
    std::array<int, kHighest + 1> fds_{};
    std::vector<RecordBytes> chunk_; // kept from one scan to the next
    std::array<bool, kHighest + 1> used_{};
};

} // namespace folio
