// How the lock of the books is kept in their journal's values. The values are staged and
// written in the same transaction as the entry that changes them (a closing, a lock date,
// a reopening), so the lock and its trail never disagree.
#include "journal/journal_store.h"
#include "journal/period_lock.h"

namespace folio::journal {

namespace {

std::optional<QDate> dateValue(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

QString dateText(const std::optional<QDate>& date) {
    return date ? date->toString(Qt::ISODate) : QString();
}

std::optional<ClosingLock> closingValue(JournalStore& store, const QString& prefix) {
    if (store.value(prefix).isEmpty()) {
        return std::nullopt;
    }
    return ClosingLock{
        store.value(prefix), store.value(prefix + QStringLiteral("_date")),
        QDateTime::fromString(store.value(prefix + QStringLiteral("_when")), Qt::ISODateWithMs),
        store.value(prefix + QStringLiteral("_copy")),
        store.value(prefix + QStringLiteral("_entry")).toLongLong()};
}

void stageClosing(JournalStore& store, const QString& prefix,
                  const std::optional<ClosingLock>& closing) {
    const ClosingLock none;
    const ClosingLock& held = closing ? *closing : none;
    store.stage(prefix, held.closing);
    store.stage(prefix + QStringLiteral("_date"), held.statementsDate);
    store.stage(prefix + QStringLiteral("_when"),
                closing ? held.when.toUTC().toString(Qt::ISODateWithMs) : QString());
    store.stage(prefix + QStringLiteral("_copy"), held.closedCopy);
    store.stage(prefix + QStringLiteral("_entry"),
                held.entry != 0 ? QString::number(held.entry) : QString());
}

} // namespace

PeriodLock readPeriodLock(JournalStore& store) {
    PeriodLock lock;
    lock.closedWhole = closingValue(store, QStringLiteral("lock_closing"));
    // A closing not done (pending, or abandoned when its copy could not be written) locks
    // nothing.
    if (lock.closedWhole && lock.closedWhole->entry != 0 &&
        store.status(lock.closedWhole->entry) != JournalStore::Status::Applied) {
        lock.closedWhole.reset();
    }
    lock.closedThrough = dateValue(store.value(QStringLiteral("lock_closed_through")));
    lock.closedFromEntry = store.value(QStringLiteral("lock_closed_from")).toLongLong();
    lock.lockedThrough = dateValue(store.value(QStringLiteral("lock_through")));
    if (const QString when = store.value(QStringLiteral("reopened_when")); !when.isEmpty()) {
        lock.reopened = Reopening{QDateTime::fromString(when, Qt::ISODateWithMs),
                                  store.value(QStringLiteral("reopened_by")),
                                  store.value(QStringLiteral("reopened_why")),
                                  closingValue(store, QStringLiteral("reopened_closing")),
                                  store.value(QStringLiteral("reopened_entry")).toLongLong()};
    }
    return lock;
}

void stagePeriodLock(JournalStore& store, const PeriodLock& lock) {
    stageClosing(store, QStringLiteral("lock_closing"), lock.closedWhole);
    store.stage(QStringLiteral("lock_closed_through"), dateText(lock.closedThrough));
    store.stage(QStringLiteral("lock_closed_from"),
                lock.closedFromEntry != 0 ? QString::number(lock.closedFromEntry) : QString());
    store.stage(QStringLiteral("lock_through"), dateText(lock.lockedThrough));
    const Reopening none;
    const Reopening& reopened = lock.reopened ? *lock.reopened : none;
    store.stage(QStringLiteral("reopened_when"),
                lock.reopened ? reopened.when.toUTC().toString(Qt::ISODateWithMs) : QString());
    store.stage(QStringLiteral("reopened_by"), reopened.user);
    store.stage(QStringLiteral("reopened_why"), reopened.reason);
    stageClosing(store, QStringLiteral("reopened_closing"), reopened.closing);
    store.stage(QStringLiteral("reopened_entry"),
                lock.reopened ? QString::number(reopened.entry) : QString());
}

} // namespace folio::journal
