#pragma once
#include "journal/journal_store.h"
#include "statements/cash_flow_statement.h"
#include <QDateTime>
#include <optional>
#include <vector>

namespace folio::journal {

// Where the period of the books begins, as their journal tells it: a closed copy at its
// first entry (every record as the closing wrote it), books never closed at their
// journal's opening entry. The entries since then that move two accounts or more come
// with it, for the investing done without cash.
struct PeriodBeginning {
    bool closedCopy = false;
    std::vector<AccountRecord> records;
    QDateTime made;           // when the closing or the opening entry was recorded
    QString closedFrom;       // a closed copy: the books it was closed from
    QString closedFromAsText; // ... and when, as the closing wrote it
    std::vector<statements::MovedEntry> entries;
};

// The beginning of the books' period; nothing when the journal holds no entry.
std::optional<PeriodBeginning> periodBeginningIn(JournalStore& store);

// The file and date named by the first entry of a closed copy ("Monthly closing of
// /books/acme.dat on 2026-01-31T17:00:00").
struct ClosedFromNote {
    QString path;
    QString when;
};
std::optional<ClosedFromNote> closedFromNote(const QString& memo);

} // namespace folio::journal
