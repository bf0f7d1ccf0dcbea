#pragma once
#include "data/account_record.h"
#include "data/money.h"
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace folio::journal {

// What kind of change an entry records.
enum class EntryKind {
    Opening,    // every record of the books as found when the journal started
    Posting,    // a debit or credit posted to one account
    Balanced,   // several accounts posted at once, debits equal to credits
    SetupEdit,  // a name, type or balance changed on the setup tab
    NewAccount, // a record added after the last
    Deletion,   // a record removed, the later ones moving up
    Closing,    // the books closed into a closed copy (the books themselves unchanged)
    ClosedFrom, // the first entry of a closed copy: every record as the closing wrote it
    Reversal,   // the opposite amounts of an earlier posting, with the reason as memo
    Undo,       // an earlier change taken back
    Redo,       // an undone change put back
    Lock,       // the books locked through a date (the entry's date); no record changes
    Reopen,     // a closed or locked period opened again, the reason as memo
    Adjustment, // a prior-period adjustment carried from reopened books into their copy
    Import,     // the lines of a bank statement, each a debit and credit, as one change
};

// The word stored for a kind ("posting", "undo" ...) and the kind of a stored word.
QString kindName(EntryKind kind);
std::optional<EntryKind> kindFromName(const QString& name);
// How the journal view names a kind ("Posting", "Balanced entry" ...).
QString kindTitle(EntryKind kind);
// Whether Undo may take back a change of this kind.
bool isUndoable(EntryKind kind);

// One record an entry touches. An image is the record's 62 bytes; an empty image means
// the file held no record at that number (before a new account, after a deletion). A line
// that `moves` removes its record, the later ones moving up (no image after), or puts one
// in, the later ones moving down (no image before); other lines change records in place,
// an empty image after ending the file before the record (as journals of older Folios
// record a deletion: every record that moved up, before and after).
struct Line {
    int record = 0;
    QString name; // the account's name at the time
    QString type; // its type code at the time
    Money debit;
    Money credit;
    std::optional<AccountRecord> before;
    std::optional<AccountRecord> after;
    bool moves = false;
};

// A line for a record changing from `before` to `after`, named from the newer image.
Line lineFor(int record, const std::optional<AccountRecord>& before,
             const std::optional<AccountRecord>& after, Money debit = {}, Money credit = {});

// The lines of an entry kept as an image of the file's records (see Entry::image).
std::vector<Line> linesOfImage(const QByteArray& image);

// One change of the books as the journal keeps it.
struct Entry {
    std::int64_t seq = 0;
    QDateTime made; // when it was recorded (UTC)
    QDate date;     // the date the user gave it
    QString memo;
    EntryKind kind = EntryKind::Posting;
    std::optional<std::int64_t> reversalOf; // the entry it reverses, undoes or redoes
    std::vector<Line> lines;
    QString user;    // the login name of who made it
    QByteArray hash; // chained to the entry before it (see entry_chain.h)
    // An entry that holds every record of the file may be kept as the records' bytes, 62 a
    // record, stored in large blocks instead of a row a line: `image` holds them then, and
    // its lines are read from it (line n: record n, no image before, no amounts).
    std::optional<QByteArray> image;
};

// Whether an entry of this kind holds every record of the file (opening, closed copy).
inline bool definesWholeFile(EntryKind kind) {
    return kind == EntryKind::Opening || kind == EntryKind::ClosedFrom;
}

// Whether applying the entry changes the length of the file (so it is written whole).
bool changesLength(const Entry& entry);
// Whether a line of the entry moves the records after it.
bool movesRecords(const Entry& entry);

// The lines that take an entry back: in reverse order, images swapped, debit and credit
// exchanged.
std::vector<Line> oppositeLines(const std::vector<Line>& lines);

} // namespace folio::journal
