#pragma once
#include "journal/entry.h"
#include <QString>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace folio::journal {

// Amounts by the account name they are exported under.
using LedgerAmounts = std::map<QString, Money>;

// The books as the exported journal goes through the entries: each record's account under
// its exported name, two records of one name kept apart by their record number
// ("Assets:Cash #3"), and what each entry moves on those names.
class LedgerAccounts {
  public:
    // What the entry moves, by exported name, from the books as they stood before it; the
    // books then move on to after it.
    LedgerAmounts advance(const Entry& entry);
    // Every account's balance by exported name.
    LedgerAmounts balances() const;

  private:
    using Record = std::optional<AccountRecord>;
    QString nameOf(std::size_t index) const;
    void add(LedgerAmounts& amounts, std::size_t index, bool adding) const;
    void put(std::size_t index, const Record& record);

    std::vector<Record> records_;
    std::map<QString, std::set<std::size_t>> holders_; // records by plain exported name
};

} // namespace folio::journal
