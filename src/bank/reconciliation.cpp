#include "bank/reconciliation.h"
#include "bank/bank_store.h"
#include "data/text_rules.h"
#include "journal/books_journal.h"
#include "journal/entry.h"

namespace folio::bank {

namespace {

Reconciliation reconciliationFrom(const journal::Statement& row) {
    Reconciliation found;
    found.id = row.integer(0);
    found.account = row.text(1);
    found.statementDate = QDate::fromString(row.text(2), Qt::ISODate);
    found.balance = Money::fromRaw(row.integer(3));
    found.who = row.text(4);
    found.made = QDateTime::fromString(row.text(5), Qt::ISODateWithMs);
    found.linesCleared = static_cast<int>(row.integer(6));
    return found;
}

constexpr const char* kReconciliations =
    "SELECT r.id, r.account, r.statement_date, r.balance, r.who, r.made, (SELECT count(*) "
    "FROM reconciled_lines l WHERE l.reconciliation = r.id) FROM reconciliations r "
    "WHERE r.account = ? ORDER BY r.id DESC";

} // namespace

std::vector<Reconciliation> reconciliationsOf(journal::JournalStore& store,
                                              const QString& account) {
    BankStore tables(store);
    std::vector<Reconciliation> found;
    journal::Statement query(store.database(), kReconciliations);
    query.bind(1, account);
    while (query.step()) {
        found.push_back(reconciliationFrom(query));
    }
    return found;
}

Reconciler::Reconciler(journal::JournalStore& store, const QString& account, bool debitSide,
                       Money balance)
    : store_(store), account_(account), debitSide_(debitSide), balance_(balance) {
    BankStore tables(store_);
}

Money Reconciler::signedAmount(Money debit, Money credit) const {
    return debitSide_ ? debit - credit : credit - debit;
}

void Reconciler::start(const QDate& statementDate, Money endingBalance) {
    statementDate_ = statementDate;
    ending_ = endingBalance;
    ticked_ = Money();
    lines_.clear();
    const LiveEntries live(store_);
    journal::Statement query(
        store_.database(),
        "SELECT l.seq, l.line, e.date, e.memo, l.debit, l.credit, b.date, b.memo FROM lines l "
        "JOIN entries e ON e.seq = l.seq LEFT JOIN bank_lines b ON b.seq = l.seq AND b.line = "
        "l.line LEFT JOIN reconciled_lines r ON r.seq = l.seq AND r.line = l.line WHERE "
        "l.name = ? AND e.status = 1 AND e.kind IN ('posting', 'balanced', 'reversal', "
        "'import') AND (l.debit <> 0 OR l.credit <> 0) AND r.seq IS NULL ORDER BY l.seq, l.line");
    query.bind(1, account_);
    Money outstanding;
    while (query.step()) {
        if (!live.isLive(query.integer(0))) {
            continue;
        }
        AccountLine line;
        line.seq = query.integer(0);
        line.line = static_cast<int>(query.integer(1));
        const bool imported = !query.isNull(6);
        line.date = QDate::fromString(query.text(imported ? 6 : 2), Qt::ISODate);
        line.description = query.text(imported ? 7 : 3);
        line.amount =
            signedAmount(Money::fromRaw(query.integer(4)), Money::fromRaw(query.integer(5)));
        outstanding += line.amount;
        if (line.date <= statementDate) {
            lines_.push_back(line);
        }
    }
    std::stable_sort(lines_.begin(), lines_.end(),
                     [](const AccountLine& a, const AccountLine& b) { return a.date < b.date; });
    const std::optional<Reconciliation> previous = last();
    opening_ = previous ? previous->balance : balance_ - outstanding;
}

void Reconciler::setCleared(std::size_t line, bool cleared) {
    AccountLine& changed = lines_.at(line);
    if (changed.cleared != cleared) {
        changed.cleared = cleared;
        ticked_ = cleared ? ticked_ + changed.amount : ticked_ - changed.amount;
    }
}

Money Reconciler::clearedBalance() const {
    return opening_ + ticked_;
}

Money Reconciler::difference() const {
    return (ending_ - clearedBalance()).roundedToCents();
}

Reconciliation Reconciler::finish() {
    if (!canFinish()) {
        throw journal::Refused(
            QStringLiteral("The cleared balance differs from the statement by %1.")
                .arg(formatCurrency(difference())));
    }
    Reconciliation done;
    done.account = account_;
    done.statementDate = statementDate_;
    done.balance = ending_;
    done.who = currentUser();
    done.made = QDateTime::currentDateTimeUtc();
    journal::Transaction transaction(store_.database());
    journal::Statement insert(store_.database(),
                              "INSERT INTO reconciliations(account, statement_date, balance, "
                              "who, made) VALUES(?, ?, ?, ?, ?)");
    insert.bind(1, account_)
        .bind(2, statementDate_.toString(Qt::ISODate))
        .bind(3, ending_.raw())
        .bind(4, done.who)
        .bind(5, done.made.toString(Qt::ISODateWithMs))
        .run();
    done.id = store_.database().lastInsertId();
    journal::Statement line(store_.database(), "INSERT INTO reconciled_lines VALUES(?, ?, ?)");
    for (const AccountLine& each : lines_) {
        if (each.cleared) {
            line.bind(1, each.seq).bind(2, std::int64_t{each.line}).bind(3, done.id).run();
            ++done.linesCleared;
        }
    }
    transaction.commit();
    return done;
}

std::optional<Reconciliation> Reconciler::last() {
    journal::Statement query(store_.database(), kReconciliations);
    query.bind(1, account_);
    if (!query.step()) {
        return std::nullopt;
    }
    return reconciliationFrom(query);
}

std::vector<AccountChange> Reconciler::changesSinceLast() {
    const std::optional<Reconciliation> previous = last();
    const QString since =
        previous ? previous->made.toString(Qt::ISODateWithMs) : QStringLiteral("0");
    journal::Statement query(store_.database(),
                             "SELECT e.seq, e.kind, e.date, e.memo, l.debit, l.credit FROM lines "
                             "l JOIN entries e ON e.seq = l.seq WHERE l.name = ? AND e.status = "
                             "1 AND e.made >= ? AND (l.debit <> 0 OR l.credit <> 0) ORDER BY "
                             "e.seq, l.line");
    query.bind(1, account_).bind(2, since);
    std::vector<AccountChange> changes;
    while (query.step()) {
        const auto kind = journal::kindFromName(query.text(1));
        changes.push_back(
            {query.integer(0), kind ? journal::kindTitle(*kind) : query.text(1),
             QDate::fromString(query.text(2), Qt::ISODate), query.text(3),
             signedAmount(Money::fromRaw(query.integer(4)), Money::fromRaw(query.integer(5)))});
    }
    return changes;
}

} // namespace folio::bank
