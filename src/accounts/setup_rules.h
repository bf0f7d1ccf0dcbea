#pragma once
#include "data/account_record.h"
#include <QString>
#include <optional>
#include <vector>

namespace folio::accounts {

// The plain rules behind the setup tab's commands: finding an account by name, where the
// tab stands after a deletion, and what the two catalogue lists put into the boxes.
namespace SetupRules {

// The lowest record number from 1 to `recordCount` whose name, trimmed and upper-cased,
// equals `upperAnswer` exactly; empty when no record has it. `records` holds record n at
// n - 1; a number past its end is a blank record.
std::optional<int> findByName(const std::vector<AccountRecord>& records, int recordCount,
                              const QString& upperAnswer);

// The message for a name no record has: "Name XYZnot found!" (no blank before "not").
QString notFoundMessage(const QString& upperAnswer);

// The record count and shown record after the shown record has been deleted: one record
// fewer (an emptied file still counts one), the same number unless it now lies past the end.
struct Position {
    int currentRecord;
    int recordCount;
    bool operator==(const Position&) const = default;
};
Position afterDelete(Position before);

// The question asked before a deletion, naming the account and its balances.
QString deleteQuestion(const AccountRecord& account);
// Why an account that still has a balance is not deleted (which would put the books out of
// balance); empty when both its balances are zero.
std::optional<QString> stillHasBalance(const AccountRecord& account);

// The type code that a type-list text stands for ("C3C = Common Stock" gives "C3C").
std::optional<QString> typeCodeOf(const QString& listText);

// Whether a text is one of the standard account names the name list offers.
bool isStandardName(const QString& text);

} // namespace SetupRules

} // namespace folio::accounts
