#pragma once
#include "data/account_record.h"
#include "data/account_table.h"
#include "data/money.h"
#include <QString>
#include <array>
#include <optional>
#include <vector>

// Which books are closed: the month (temporary accounts start the month at zero) or the
// year (they start the year at zero in both balances).
enum class ClosingKind { Monthly, Yearly };

// What a balance of an account becomes in the closed file.
enum class NewBalance { Unchanged, Zero, EndingInventory, EndCap, YtdEndCap };

// The rule for one type code: compared whole against the account's trimmed code.
struct ClosingRule {
    const char* code;
    NewBalance current;
    NewBalance ytd;
};

using ClosingRules = std::array<ClosingRule, 12>;

// The rules of one closing kind; an account whose code is in neither table is not carried.
const ClosingRules& closingRules(ClosingKind kind);

// The text appended to the whole path of the selected file to name its closed copy.
QString closedSuffix(ClosingKind kind);
inline QString closedPath(const QString& selected, ClosingKind kind) {
    return selected + closedSuffix(kind);
}

// The amounts the closing puts into accounts; empty when the text on screen could not be
// read as an amount.
struct ClosingAmounts {
    std::optional<Money> endCap;          // ending retained earnings of the period
    std::optional<Money> ytdEndCap;       // ending retained earnings of the year
    std::optional<Money> endingInventory; // the ending inventory (never set = 0)
};

// The records of the closed file, or which amount a rule needed but could not have.
struct ClosedBooks {
    // Record i of the closed file stands for record i of the selected file: an account
    // that is not carried leaves an all-zero record at its number. The file ends with
    // the last record carried.
    std::vector<AccountRecord> records;
    // Set when a carried account needs an amount that is empty in ClosingAmounts.
    std::optional<NewBalance> missing;
};

// Closes the books of an account table. The last record is left out only when its name
// is empty (the blank record a posting leaves after the last account).
ClosedBooks closeBooks(const std::vector<AccountEntry>& entries, ClosingKind kind,
                       const ClosingAmounts& amounts);
