#include "closing/closing_rules.h"

namespace {

constexpr NewBalance Same = NewBalance::Unchanged;
constexpr NewBalance Zero = NewBalance::Zero;

constexpr ClosingRules kMonthlyRules{{
    {"D1", Same, Same},
    {"C1", Same, Same},
    {"D1I", NewBalance::EndingInventory, Same},
    {"C2", Same, Same},
    {"C3", NewBalance::EndCap, Same},
    {"C3C", Same, Same},
    {"D3", Zero, Zero},
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
    {"C3", NewBalance::EndCap, NewBalance::YtdEndCap},
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

// The new balance, or empty when the amount it needs is not available.
std::optional<Money> apply(NewBalance rule, Money old, const ClosingAmounts& amounts) {
    switch (rule) {
    case NewBalance::Unchanged:
        return old;
    case NewBalance::Zero:
        return Money();
    case NewBalance::EndingInventory:
        return amounts.endingInventory;
    case NewBalance::EndCap:
        return amounts.endCap;
    case NewBalance::YtdEndCap:
        return amounts.ytdEndCap;
    }
    return std::nullopt;
}

} // namespace

const ClosingRules& closingRules(ClosingKind kind) {
    return kind == ClosingKind::Monthly ? kMonthlyRules : kYearlyRules;
}

QString closedSuffix(ClosingKind kind) {
    return kind == ClosingKind::Monthly ? QStringLiteral(" closed monthly")
                                        : QStringLiteral(" closed ytd");
}

ClosedBooks closeBooks(const std::vector<AccountEntry>& entries, ClosingKind kind,
                       const ClosingAmounts& amounts) {
    ClosedBooks closed;
    std::size_t carried = entries.size();
    if (carried > 0 && entries.back().name.isEmpty()) {
        --carried;
    }
    std::size_t written = 0;
    closed.records.resize(carried);
    for (std::size_t i = 0; i < carried; ++i) {
        const AccountEntry& entry = entries[i];
        const ClosingRule* rule = ruleFor(closingRules(kind), entry.type);
        if (rule == nullptr) {
            continue; // left as an all-zero record at its number
        }
        const std::optional<Money> current = apply(rule->current, entry.current, amounts);
        const std::optional<Money> ytd = apply(rule->ytd, entry.ytd, amounts);
        if (!current || !ytd) {
            closed.records.clear();
            closed.missing = current ? rule->ytd : rule->current;
            return closed;
        }
        AccountRecord& record = closed.records[i];
        record = AccountRecord::blank();
        record.setName(entry.name);
        record.setAcctType(entry.type);
        record.CurrentBalance = *current;
        record.YtdBalance = *ytd;
        written = i + 1;
    }
    closed.records.resize(written);
    return closed;
}
