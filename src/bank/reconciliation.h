#pragma once
#include "data/money.h"
#include "journal/journal_store.h"
#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace folio::bank {

// One journal line of the account being reconciled. The amount is signed on the
// account's own side: for an account whose type code begins with D a debit adds, for C
// a credit adds, as its balance moves.
struct AccountLine {
    std::int64_t seq = 0;
    int line = 0;
    QDate date;
    QString description;
    Money amount;
    bool cleared = false;
};

// A reconciliation as finished and kept.
struct Reconciliation {
    std::int64_t id = 0;
    QString account;
    QDate statementDate;
    Money balance;
    QString who;
    QDateTime made;
    int linesCleared = 0;
};

// A change of the account since a reconciliation, for the list shown when the figures do
// not agree.
struct AccountChange {
    std::int64_t seq = 0;
    QString kind; // "Posting", "Undo", "Reversal" ...
    QDate date;
    QString memo;
    Money amount;
};

// The reconciliation of one account against a bank statement: its journal lines not yet
// reconciled, dated up to the statement date, to tick; the cleared balance and the
// difference from the statement's ending balance, to the cent.
class Reconciler {
  public:
    // `balance` is the account's balance now, `debitSide` whether its type code begins D.
    Reconciler(journal::JournalStore& store, const QString& account, bool debitSide, Money balance);

    // Lists the lines up to the statement date and keeps the ending balance.
    void start(const QDate& statementDate, Money endingBalance);

    const std::vector<AccountLine>& lines() const { return lines_; }
    void setCleared(std::size_t line, bool cleared);
    // The balance of the last reconciliation (for the first: the balance before any line
    // of the journal), the cleared balance and the difference still to find.
    Money openingBalance() const { return opening_; }
    Money clearedBalance() const;
    Money difference() const;
    bool canFinish() const { return difference().isZero(); }
    // Records the reconciliation; throws journal::Refused unless the difference is 0.00.
    Reconciliation finish();

    std::optional<Reconciliation> last();
    // What changed in the account since the last reconciliation (all of it without one).
    std::vector<AccountChange> changesSinceLast();

  private:
    Money signedAmount(Money debit, Money credit) const;

    journal::JournalStore& store_;
    QString account_;
    bool debitSide_;
    Money balance_;
    Money opening_;
    Money ticked_; // the sum of the cleared lines
    QDate statementDate_;
    Money ending_;
    std::vector<AccountLine> lines_;
};

// Every reconciliation of an account, newest first.
std::vector<Reconciliation> reconciliationsOf(journal::JournalStore& store, const QString& account);

} // namespace folio::bank
