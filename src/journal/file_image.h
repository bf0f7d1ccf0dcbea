#pragma once
#include "data/account_record.h"
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

// Writes the entry's after images to the file. An entry that changes the length replaces
// the whole file in one step (and the file is open again under the same number). Otherwise
// the records are written in order, each once with its last after image; when one fails,
// those written before it (and itself) get their first before images back and the failure
// is thrown: all records change or none.
void writeEntry(BooksFile file, const Entry& entry);

} // namespace folio::journal
