#pragma once
#include "data/account_record.h"
#include "data/record_patch.h"
#include "journal/entry.h"
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace folio {
class FileTable;
class Books;
} // namespace folio

namespace folio::journal {

// The accounts file as the journal writes it: open under a number of the program's file
// table, at a path (for the whole-file rewrites).
struct BooksFile {
    FileTable& files;
    int number;
    QString path;
};

// The selected books as the journal writes them (open under their handle).
BooksFile booksFile(Books& books);

// The file as Folio reads it: each record as decoded and written again (texts padded
// with blanks), cut to the length of the file (a last partial record included).
QByteArray readImage(BooksFile file);
// A record read from the file as readImage holds it; for the last record of a file whose
// length is not a whole number of records (`length` given), the bytes past the end are zero.
AccountRecord heldAs(const RecordBytes& bytes, std::int64_t length = 0);
// The records of an image, a partial last record filled with zero bytes.
std::vector<AccountRecord> recordsOf(const QByteArray& image);
QByteArray imageOf(const std::vector<AccountRecord>& records);
// Record n of an image; empty past its end.
std::optional<AccountRecord> recordAt(const QByteArray& image, int record);

// The bytes the file holds once the entry's after images are written: record by record
// in place, or, for an entry that changes the file's length, the whole file rewritten.
QByteArray applied(const QByteArray& image, const Entry& entry);

// How the file layer writes the entry over a file of `lengthBefore` bytes, decided once: its
// records in place, one record removed or put in with the file written whole, or (an entry
// that defines every record, or an older journal's change of length) the file written whole.
RecordPatch patchOf(const Entry& entry, std::int64_t lengthBefore);
// Writes it with one sync (see applyPatch).
void writeEntry(BooksFile file, const RecordPatch& patch);

} // namespace folio::journal
