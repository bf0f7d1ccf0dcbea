#include "posting/posting_rules.h"
#include "data/account_types.h"

namespace folio::posting {

namespace PostingRules {

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
    return balance;
}
} // namespace

Amounts posted(const Amounts& balances, const QString& typeCode, Money debit, Money credit) {
    const BalanceSide side = balanceSide(typeCode);
    return {postedBalance(balances.current, side, debit, credit),
            postedBalance(balances.ytd, side, debit, credit)};
}

std::optional<QString> amountsRefusal(Money debit, Money credit) {
    if (debit.isZero() && credit.isZero()) {
        return QStringLiteral("Type a debit or a credit to post; there is no amount, so nothing "
                              "was posted.");
    }
    if (!debit.isZero() && !credit.isZero()) {
        return QStringLiteral("Type either a debit or a credit, not both, so nothing was posted. "
                              "To post both sides of an entry at once, use Journal, Balanced "
                              "Entry (Ctrl+B).");
    }
    return std::nullopt;
}

bool canPost(const QString& typeCode) {
    return isCatalogueCode(typeCode);
}

QString cannotPostMessage(const AccountRecord& account) {
    const QString type = account.type.isEmpty()
                             ? QStringLiteral("no account type")
                             : QStringLiteral("the account type \"%1\"").arg(account.type);
    return QStringLiteral("%1 has %2, so nothing was posted. Choose its type on the Setup tab "
                          "first, then post again.")
        .arg(account.name, type);
}

std::vector<int> listing(const AccountTable& table) {
    std::vector<int> records;
    for (std::size_t i = 0; i < table.records.size(); ++i) {
        if (!table.records[i].name.isEmpty()) {
            records.push_back(static_cast<int>(i) + 1);
        }
    }
    return records;
}

std::optional<int> blankSlot(const AccountTable& table, const std::vector<int>& listed) {
    const int slot = listed.empty() ? 1 : listed.back() + 1;
    if (slot > static_cast<int>(table.records.size()) ||
        table.records[static_cast<std::size_t>(slot - 1)].isBlank()) {
        return slot;
    }
    return std::nullopt;
}

QString amountTooLargeMessage() {
    return QStringLiteral("The amount is too large to post.");
}

} // namespace PostingRules

} // namespace folio::posting
