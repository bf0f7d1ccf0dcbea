#pragma once
#include "bank/bank_rules.h"
#include "bank/csv_layout.h"
#include "bank/import_plan.h"
#include "journal/journal_store.h"
#include <QHash>
#include <set>

namespace folio::bank {

// Which entries of the journal are in the books now: not taken back by Undo, or put back
// by a Redo that was not taken back in its turn.
class LiveEntries {
  public:
    explicit LiveEntries(journal::JournalStore& store);
    bool isLive(std::int64_t seq) const;

  private:
    QHash<std::int64_t, std::int64_t> undoOf_; // entry -> the undo that took it back
    QHash<std::int64_t, std::int64_t> redoOf_; // undo -> the redo that put it back
};

// What the bank import keeps with the books in their journal: the lines imported (with
// the entry and journal line that holds each), the rules, and each bank's CSV layout.
class BankStore {
  public:
    // Creates the tables when the journal has none yet.
    explicit BankStore(journal::JournalStore& store);

    ImportHistory history(const QString& bankAccount);
    // Records the lines an import wrote, in the order of its entry: line i of `plan`'s
    // included lines is journal line 2i+1 of entry `seq`.
    void recordImport(std::int64_t seq, const ImportPlan& plan, const QString& source);

    RuleBook rules();
    void setRules(const RuleBook& rules);

    std::optional<CsvLayout> layout(const QString& signature);
    void setLayout(const QString& signature, const CsvLayout& layout);

    journal::JournalStore& store() { return store_; }

  private:
    journal::JournalStore& store_;
};

// Reads a statement with the CSV layout kept for its bank when there is one; `dates`
// (when known) says how its dates are written.
struct StatementReading;
StatementReading readWithKeptLayout(const QString& path, BankStore& store, DateOrder dates);

// The name of the person at the computer, for the records of who did what.
QString currentUser();

} // namespace folio::bank
