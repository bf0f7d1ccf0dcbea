#include "journal/period_lock.h"

namespace folio::journal {

namespace {

QString closedWholeWords(const ClosingLock& closing) {
    const QString dated =
        closing.statementsDate.trimmed().isEmpty()
            ? QStringLiteral("of statements without a date")
            : QStringLiteral("of the statements dated %1").arg(closing.statementsDate.trimmed());
    return QStringLiteral("These books were closed: the %1 %2, made %3, wrote the closed copy\n"
                          "%4\n\nNothing more can be posted or changed here. Post in the closed "
                          "copy, or reopen the period with Journal, Reopen Period...")
        .arg(closing.closing.toLower(), dated,
             closing.when.toLocalTime().toString(QStringLiteral("M/d/yyyy h:mm AP")),
             closing.closedCopy);
}

// Why the period through `through` is shut, for the messages.
QString shutBy(const PeriodLock& lock, const QDate& through) {
    if (lock.lockedThrough == through) {
        return QStringLiteral("The books are locked through %1 (Journal, Lock Books Through...)")
            .arg(lockDateText(through));
    }
    return QStringLiteral("These books were closed through %1, the date of the statements they "
                          "were closed at")
        .arg(lockDateText(through));
}

bool datedByUser(EntryKind kind) {
    return kind == EntryKind::Posting || kind == EntryKind::Balanced || kind == EntryKind::Reversal;
}

} // namespace

std::optional<QDate> PeriodLock::through() const {
    if (closedThrough && lockedThrough) {
        return std::max(*closedThrough, *lockedThrough);
    }
    return closedThrough ? closedThrough : lockedThrough;
}

QString lockDateText(const QDate& date) {
    return date.toString(QStringLiteral("M/d/yyyy"));
}

std::optional<LockRefusal> lockRefusal(const PeriodLock& lock, const ChangeAsked& change) {
    if (lock.closedWhole) {
        return LockRefusal{closedWholeWords(*lock.closedWhole), std::nullopt};
    }
    if (change.takesBack != 0 && change.takesBack == lock.closedFromEntry) {
        return LockRefusal{QStringLiteral("Entry %1 holds the books as they were closed; it "
                                          "cannot be undone, redone or reversed.")
                               .arg(change.takesBack),
                           std::nullopt};
    }
    const std::optional<QDate> through = lock.through();
    if (!through) {
        return std::nullopt;
    }
    const bool takesBackLocked =
        (change.kind == EntryKind::Undo || change.kind == EntryKind::Redo) &&
        change.takesBackDate.isValid() && change.takesBackDate <= *through;
    if (takesBackLocked) {
        return LockRefusal{QStringLiteral("%1.\n\nEntry %2 is dated %3, within that period, so it "
                                          "cannot be %4. Record a reversal dated after %5 "
                                          "instead.")
                               .arg(shutBy(lock, *through))
                               .arg(change.takesBack)
                               .arg(lockDateText(change.takesBackDate),
                                    change.kind == EntryKind::Undo ? QStringLiteral("undone")
                                                                   : QStringLiteral("redone"),
                                    lockDateText(*through)),
                           std::nullopt};
    }
    if (change.movesNoAmount || !change.date.isValid() || change.date > *through) {
        return std::nullopt;
    }
    const QDate dayAfter = through->addDays(1);
    QString words = QStringLiteral("%1: no entry may be dated on or before it, and this one is "
                                   "dated %2.")
                        .arg(shutBy(lock, *through), lockDateText(change.date));
    return LockRefusal{words,
                       datedByUser(change.kind) ? std::optional<QDate>(dayAfter) : std::nullopt};
}

std::optional<QString> lockDateRefusal(const PeriodLock& lock, const QDate& through) {
    if (lock.closedWhole) {
        return closedWholeWords(*lock.closedWhole);
    }
    if (lock.lockedThrough && through <= *lock.lockedThrough) {
        return QStringLiteral("The books are locked through %1 already. A lock date only moves "
                              "forward; to open the period again, use Journal, Reopen "
                              "Period...")
            .arg(lockDateText(*lock.lockedThrough));
    }
    return std::nullopt;
}

QString reopenedLine(const Reopening& reopening) {
    return QStringLiteral("Reopened on %1 by %2: %3")
        .arg(lockDateText(reopening.when.toLocalTime().date()), reopening.user, reopening.reason);
}

} // namespace folio::journal
