#include "posting/posting_rules.h"
#include "data/account_table.h"
#include "data/account_types.h"
#include "data/text_rules.h"

namespace PostingRules {

std::optional<Money> typedAmount(const QString& text) {
    return leadingNumber(text).toMoney();
}

namespace {
Money postedBalance(Money balance, BalanceSide side, Money debit, Money credit) {
    switch (side) {
    case BalanceSide::Debit:
        return (balance + debit - credit).roundedToCents();
    case BalanceSide::Credit:
        return (balance - debit + credit).roundedToCents();
    case BalanceSide::Neither:
        break;
    }
    return balance.roundedToCents();
}
} // namespace

Balances posted(const Balances& shown, const QString& typeCode, Money debit, Money credit) {
    const BalanceSide side = balanceSide(typeCode);
    return {postedBalance(shown.current, side, debit, credit),
            postedBalance(shown.ytd, side, debit, credit)};
}

Listing listing(const AccountTable& table) {
    Listing result;
    int record = 0;
    for (const AccountEntry& entry : table.entries) {
        ++record;
        if (entry.name.isEmpty()) {
            continue;
        }
        ++result.accounts;
        if (static_cast<int>(result.records.size()) < AccountTable::kGridRows) {
            result.records.push_back(record);
        }
    }
    result.tooMany = table.truncated || result.accounts > AccountTable::kGridRows;
    return result;
}

QString amountTooLargeMessage() {
    return QStringLiteral("The amount is too large to post.");
}

QString notABalanceMessage(const QString& text) {
    return QStringLiteral("The balance %1 is not an amount.").arg(text);
}

} // namespace PostingRules
