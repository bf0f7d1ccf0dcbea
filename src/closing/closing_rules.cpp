#include "closing/closing_rules.h"

namespace folio::closing {

namespace {

constexpr NewBalance Same = NewBalance::Unchanged;
constexpr NewBalance Zero = NewBalance::Zero;

constexpr ClosingRules kMonthlyRules{{
    {"D1", Same, Same},
    {"C1", Same, Same},
    {"D1I", NewBalance::EndingInventory, Same},
    {"C2", Same, Same},
    {"C3", NewBalance::EndingRetained, Same},
    {"C3C", Same, Same},
    {"D3", Zero, Same},
    {"C4", Zero, Same},
    {"D4", Zero, Same},
    {"D5", Zero, Same},
    {"C5", Zero, Same},
    {"D6", Zero, Same},
}};

constexpr ClosingRules kYearlyRules{{
    {"D1", Same, Same},
    {"C1", Same, Same},
    {"D1I", NewBalance::EndingInventory, NewBalance::EndingInventory},
    {"C2", Same, Same},
    {"C3", NewBalance::EndingRetained, NewBalance::EndingRetained},
    {"C3C", Same, Same},
    {"D3", Zero, Zero},
    {"C4", Zero, Zero},
    {"D4", Zero, Zero},
    {"D5", Zero, Zero},
    {"C5", Zero, Zero},
    {"D6", Zero, Zero},
}};

const ClosingRule* ruleFor(const ClosingRules& rules, const QString& code) {
    for (const ClosingRule& rule : rules) {
        if (code == QLatin1String(rule.code)) {
            return &rule;
        }
    }
    return nullptr;
}

Money apply(NewBalance rule, Money old, Money endingRetained, Money endingInventory) {
    switch (rule) {
    case NewBalance::Unchanged:
        return old;
    case NewBalance::Zero:
        return Money();
    case NewBalance::EndingInventory:
        return endingInventory;
    case NewBalance::EndingRetained:
        return endingRetained;
    }
    return old;
}

} // namespace

const ClosingRules& closingRules(ClosingKind kind) {
    return kind == ClosingKind::Monthly ? kMonthlyRules : kYearlyRules;
}

QString closedSuffix(ClosingKind kind) {
    return kind == ClosingKind::Monthly ? QStringLiteral(" closed monthly")
                                        : QStringLiteral(" closed ytd");
}

std::vector<AccountRecord> closeBooks(const AccountTable& table, ClosingKind kind,
                                      const statements::ClosingInputs& inputs) {
    std::vector<AccountRecord> closed;
    for (const AccountRecord& account : table.records) {
        if (account.isBlank()) {
            continue;
        }
        AccountRecord record = account;
        if (const ClosingRule* rule = ruleFor(closingRules(kind), account.type)) {
            record.current = apply(rule->current, account.current, inputs.endingRetained.current,
                                   inputs.endingInventory);
            record.ytd =
                apply(rule->ytd, account.ytd, inputs.endingRetained.ytd, inputs.endingInventory);
        }
        closed.push_back(record);
    }
    return closed;
}

} // namespace folio::closing
