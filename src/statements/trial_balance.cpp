#include "statements/trial_balance.h"
#include "data/account_types.h"

TrialBalanceFigures computeTrialBalance(const AccountTable& table) {
    TrialBalanceFigures figures;
    for (const AccountEntry& entry : table.entries) {
        if (entry.name.isEmpty()) {
            break;
        }
        if (static_cast<int>(figures.listed.size()) == AccountTable::kGridRows) {
            figures.tooMany = true;
            break;
        }
        figures.listed.push_back(entry);
        switch (balanceSide(entry.type)) {
        case BalanceSide::Debit:
            figures.currentDebits += entry.current;
            figures.ytdDebits += entry.ytd;
            break;
        case BalanceSide::Credit:
            figures.currentCredits += entry.current;
            figures.ytdCredits += entry.ytd;
            break;
        case BalanceSide::Neither:
            break;
        }
    }
    return figures;
}
