#pragma once
#include "journal/entry.h"
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace folio::journal {

// A closing that locked the books it closed, whole.
struct ClosingLock {
    QString closing;        // "Monthly closing" or "Yearly closing"
    QString statementsDate; // the date of the statements, as typed
    QDateTime when;         // when the books were closed (UTC)
    QString closedCopy;     // the closed copy's path
    std::int64_t entry = 0; // the closing's entry: the lock holds once it is applied
    bool operator==(const ClosingLock&) const = default;
};

// A reopening of the books: who, when and why, and the closing it lifted (if any).
struct Reopening {
    QDateTime when; // UTC
    QString user;
    QString reason;
    std::optional<ClosingLock> closing;
    std::int64_t entry = 0; // the Reopen entry: changes after it are the period's adjustments
    bool operator==(const Reopening&) const = default;
};

// What keeps the books, or a period of them, from change, as their journal keeps it.
struct PeriodLock {
    std::optional<ClosingLock> closedWhole; // these books were closed: no change at all
    std::optional<QDate> closedThrough;     // a closed copy: the date its books were closed at
    std::int64_t closedFromEntry = 0;       // a closed copy: its first entry
    std::optional<QDate> lockedThrough;     // Journal, Lock Books Through...
    std::optional<Reopening> reopened;      // the latest reopening
    bool operator==(const PeriodLock&) const = default;

    // The last day no entry may be dated on: the later of the two dates, if any.
    std::optional<QDate> through() const;
};

// A change as the lock rules weigh it.
struct ChangeAsked {
    EntryKind kind = EntryKind::Posting;
    QDate date;                 // the date the entry would carry
    bool movesNoAmount = false; // a new account with zero balances, or only a new name
    std::int64_t takesBack = 0; // Undo, Redo, Reversal: the entry taken back or put back
    QDate takesBackDate;        // the date of the change it takes back or puts back
};

// The words refusing a change the lock forbids, and the date offered instead (the day
// after the locked period) when the user may date the change.
struct LockRefusal {
    QString words;
    std::optional<QDate> offered;
};

// Whether the lock lets the change through; nothing when it does.
std::optional<LockRefusal> lockRefusal(const PeriodLock& lock, const ChangeAsked& change);

// Whether the books may be locked through `through`: a lock date only moves forward.
std::optional<QString> lockDateRefusal(const PeriodLock& lock, const QDate& through);

// The line under a reopened period's heading: "Reopened on <date> by <user>: <reason>".
QString reopenedLine(const Reopening& reopening);

class JournalStore;
// The lock as the journal keeps it, and the values that keep a new lock, staged to be
// written with the next entry committed.
PeriodLock readPeriodLock(JournalStore& store);
void stagePeriodLock(JournalStore& store, const PeriodLock& lock);

// A date as the lock's messages write it: 3/31/2024.
QString lockDateText(const QDate& date);

} // namespace folio::journal
