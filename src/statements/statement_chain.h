#pragma once
#include "data/account_table.h"
#include "data/amounts.h"
#include "data/file_table.h"
#include "statements/company_info.h"
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace folio::statements {

// The trial balance: the accounts it lists and the totals of each normal balance side.
struct TrialBalance {
    std::vector<int> listed; // record numbers, in file order (none kept when streamed)
    Amounts debits;
    Amounts credits;
    // Debits less credits: zero when the books are in balance.
    Amounts difference() const { return debits - credits; }
    bool operator==(const TrialBalance&) const = default;
};

// The income statement, service or merchandising. A service business has no cost of
// goods sold: its gross profit is its net sales.
struct IncomeStatement {
    Business business = Business::Service;
    Amounts revenue;            // every "C4" account
    Amounts salesReturns;       // every "D4" account
    Amounts netSales;           // revenue - sales returns
    Amounts beginningInventory; // every "D1I" account (merchandising)
    Amounts purchases;          // every "D5" account (merchandising)
    Amounts purchaseReturns;    // every "C5" account (merchandising)
    Amounts costAvailable;      // beginning inventory + purchases - purchase returns
    Money endingInventory;      // the same amount in both columns (merchandising)
    Amounts costOfGoodsSold;    // cost available - ending inventory
    Amounts grossProfit;        // net sales - cost of goods sold
    Amounts expenses;           // every "D6" account
    Amounts netIncome;          // gross profit - expenses
    bool operator==(const IncomeStatement&) const = default;
};

// The statement of stockholders' equity.
struct EquityStatement {
    Amounts beginningRetained; // every "C3" account (exactly "C3")
    Amounts netIncome;
    Amounts dividends;      // every "D3" account
    Amounts endingRetained; // beginning + net income - dividends
    Amounts capitalStock;   // every "C3C" account
    Amounts total;          // capital stock + ending retained earnings
    bool operator==(const EquityStatement&) const = default;
};

// The balance sheet.
struct BalanceSheet {
    Amounts assets; // every "D1" account (exactly "D1")
    bool hasInventory = false;
    Amounts inventory;    // the ending inventory, when a "D1I" account exists
    Amounts depreciation; // every "C1" account
    Amounts totalAssets;  // assets - depreciation + inventory
    Amounts liabilities;  // every "C2" account
    Amounts capitalStock;
    Amounts retainedEarnings; // the ending retained earnings
    Amounts totalLiabilitiesAndEquity;
    bool operator==(const BalanceSheet&) const = default;
};

// What a closing writes besides the accounts it keeps or zeroes.
struct ClosingInputs {
    Amounts endingRetained;
    Money endingInventory;
    bool operator==(const ClosingInputs&) const = default;
};

// Which input the statements after the trial balance still need.
enum class Missing { Nothing, Business, EndingInventory };

// Hands over one listed account: its record number and its record.
using AccountVisit = std::function<void(int number, const AccountRecord& account)>;

// Every figure of the four statements of one account table, computed in one go. The
// trial balance needs only the accounts; the others are set once nothing is missing.
struct Statements {
    AccountTable table; // every record; empty when computed as the file streamed by
    TrialBalance trial;
    Missing missing = Missing::Nothing;
    std::optional<IncomeStatement> income;
    std::optional<EquityStatement> equity;
    std::optional<BalanceSheet> balance;
    std::optional<ClosingInputs> closing;
    // Reads the listed accounts again from the file, when computed as it streamed by.
    std::function<void(const std::vector<QLatin1StringView>& codes, const AccountVisit& visit)>
        rescan;

    const AccountRecord& record(int number) const {
        return table.records[static_cast<std::size_t>(number - 1)];
    }
    // Visits the listed accounts in file order, only those whose whole type code is one of
    // `codes` unless there are none: from the table, or read again from the file a chunk at
    // a time (one pass, however many codes).
    void forEachListed(std::initializer_list<const char*> codes, const AccountVisit& visit) const;
};

// The statements of the books. Type codes are compared whole; every account of a code
// counts, wherever it stands in the file. A merchandising business needs the ending
// inventory; a service business takes stock of none, so an inventory ("D1I") account
// there stands at its own balance unless an ending inventory is given. Throws MoneyOverflow when a
// sum does not fit.
Statements computeStatements(AccountTable table, const CompanyInfo& company);

// The same figures of an open accounts file, read a chunk at a time without holding its
// accounts: memory stays the same whatever the file's size. `observe` sees each chunk as it
// goes by (for a grid that lists the accounts). The accounts of the codes in `keep` are
// kept as they go by, so that a statement listing only those (the balance sheet) is written
// without reading the file again. Throws FileError when the file cannot be read.
Statements computeStatements(FileTable& files, int number, const CompanyInfo& company,
                             const FileTable::ChunkVisit& observe = {},
                             const std::vector<QLatin1StringView>& keep = {});

// The words that tell the user what to enter before `section` can be shown, e.g.
// "You must complete the income statement section first: choose the type of business on
// the Company Information tab."
QString missingInputMessage(Missing missing, const QString& section);

} // namespace folio::statements
