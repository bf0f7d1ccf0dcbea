#pragma once
#include "data/account_record.h"
#include "data/account_table.h"
#include "data/money.h"
#include "statements/statement_chain.h"
#include <QString>
#include <array>
#include <vector>

namespace folio::closing {

// Which books are closed: the month (temporary accounts start the month at zero) or the
// year (they start the year at zero in both balances).
enum class ClosingKind { Monthly, Yearly };

// What a balance of an account becomes in the closed file.
enum class NewBalance { Unchanged, Zero, EndingInventory, EndingRetained };

// The rule for one type code: compared whole against the account's trimmed code.
struct ClosingRule {
    const char* code;
    NewBalance current;
    NewBalance ytd;
};

using ClosingRules = std::array<ClosingRule, 12>;

// The rules of one closing kind.
const ClosingRules& closingRules(ClosingKind kind);

// The text appended to the whole path of the selected file to name its closed copy.
QString closedSuffix(ClosingKind kind);
inline QString closedPath(const QString& selected, ClosingKind kind) {
    return selected + closedSuffix(kind);
}

// The records of the closed file, from the accounts of the selected one in file order.
// Blank records are left out; an account whose code no rule names is carried unchanged.
// Throws nothing: every amount the rules need is in `inputs`.
std::vector<AccountRecord> closeBooks(const AccountTable& table, ClosingKind kind,
                                      const statements::ClosingInputs& inputs);

} // namespace folio::closing
