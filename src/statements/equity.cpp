#include "statements/equity.h"
#include "data/account_types.h"
#include <algorithm>

std::vector<AccountEntry> statementEntries(const AccountTable& table, bool* tooMany) {
    const auto accounts = std::count_if(table.entries.begin(), table.entries.end(),
                                        [](const AccountEntry& e) { return !e.name.isEmpty(); });
    const bool over = table.truncated || accounts > AccountTable::kGridRows;
    if (tooMany != nullptr) {
        *tooMany = over;
    }
    if (!over) {
        return table.entries;
    }
    const auto shown = std::min<std::size_t>(table.entries.size(), AccountTable::kGridRows);
    return {table.entries.begin(), table.entries.begin() + static_cast<std::ptrdiff_t>(shown)};
}

EquityFigures computeEquity(const AccountTable& table) {
    EquityFigures figures;
    for (const AccountEntry& entry : statementEntries(table, &figures.tooMany)) {
        if (codeBeginsWith(entry.type, "C3")) {
            figures.begCap = entry.current;
            figures.ytdBegCap = entry.ytd;
        }
        if (codeBeginsWith(entry.type, "C3C")) {
            figures.capStock += entry.current;
            figures.ytdCapStock += entry.ytd;
        }
    }
    return figures;
}

RetainedEarnings retainedEarnings(Money beginning, Money netIncome) {
    return {beginning, netIncome, beginning + netIncome};
}
