#include "statements/balance_sheet.h"
#include "data/account_types.h"
#include "statements/equity.h"
#include <algorithm>

bool needsEndingInventory(const AccountTable& table) {
    const std::vector<AccountEntry> entries = statementEntries(table, nullptr);
    return std::any_of(entries.begin(), entries.end(),
                       [](const AccountEntry& e) { return codeBeginsWith(e.type, "D1I"); });
}

BalanceSheetFigures computeBalanceSheet(const AccountTable& table, Money endingInventory) {
    BalanceSheetFigures figures;
    figures.listed = statementEntries(table, &figures.tooMany);
    Money assets;
    Money inventory;
    Money depreciation;
    for (const AccountEntry& entry : figures.listed) {
        if (codeBeginsWith(entry.type, "D1")) {
            assets += entry.current;
        }
        if (codeBeginsWith(entry.type, "D1I")) {
            inventory = entry.current;
            figures.hasInventory = true;
        }
        if (codeBeginsWith(entry.type, "C1")) {
            depreciation += entry.current;
        }
        if (codeBeginsWith(entry.type, "C2")) {
            figures.liabilities += entry.current;
        }
        if (codeBeginsWith(entry.type, "C3C")) {
            figures.capitalStock = entry.current;
        }
    }
    const Money ending = figures.hasInventory ? endingInventory : Money();
    figures.assets = (assets - depreciation + ending) - inventory;
    // The grid has one row per named account, filled entry by entry in file order, so a
    // blank record inside the file shows as an empty row and the last entries drop off.
    const auto named = static_cast<std::size_t>(
        std::count_if(table.entries.begin(), table.entries.end(),
                      [](const AccountEntry& e) { return !e.name.isEmpty(); }));
    figures.listed.resize(std::min(named, figures.listed.size()));
    return figures;
}
