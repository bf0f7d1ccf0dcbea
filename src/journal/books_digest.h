#pragma once
#include "data/account_record.h"
#include "data/record_patch.h"
#include "journal/entry.h"
#include <cstdint>
#include <span>

namespace folio::journal {

struct BooksFile;

// What the journal keeps to tell whether the books still hold what Folio last wrote: the
// number of records and the sum (modulo 2^64) of a mix of each record's number and its 62
// bytes as Folio writes them. A change updates it from the lines it wrote alone (taking out
// each record's image before, putting in its image after), so keeping it costs nothing
// that grows with the books; checking it on selection reads the file once.
struct BooksDigest {
    std::uint64_t sum = 0;
    std::int64_t records = 0;
    bool operator==(const BooksDigest&) const = default;

    void add(int record, const AccountRecord& image);
    // The same for a record's bytes as Folio writes them (RecordFields::asWritten).
    void add(int record, const RecordBytes& written);
    // The same for a run of records `first`, `first` + 1 ... (the count not changed).
    void addRun(int first, std::span<const RecordBytes> written);
    void remove(int record, const AccountRecord& image);
    // The digest once the entry's after images are written (in place, or an older
    // journal's change of length).
    BooksDigest after(const Entry& entry) const;
    // The digest once a record is removed from the file or put in, before the records after
    // it are moved (see moved): the record removed is read from the file.
    BooksDigest afterMoveOf(BooksFile file, const RecordPatch& patch) const;
    // Takes the run of records `from`, `from` + 1 ... as the file holds their bytes, to `to`,
    // `to` + 1 ...
    void moved(int from, int to, std::span<const RecordBytes> run);
};

// The digest of the file as it is now, read a chunk at a time.
BooksDigest digestOfFile(BooksFile file);
// The digest of a file whose bytes are `image`, as digestOfFile reads them.
BooksDigest digestOfImage(const QByteArray& image);
// The digest of a file holding exactly these records.
BooksDigest digestOfRecords(const std::vector<AccountRecord>& records);

} // namespace folio::journal
