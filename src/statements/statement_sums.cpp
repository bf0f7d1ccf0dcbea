#include "statements/statement_sums.h"
#include <algorithm>
#include <cstring>

namespace folio::statements {

namespace {

std::size_t indexOf(const char* code) {
    const auto& codes = StatementSums::kCodes;
    return static_cast<std::size_t>(
        std::find_if(codes.begin(), codes.end(),
                     [code](const char* c) { return std::strcmp(c, code) == 0; }) -
        codes.begin());
}

} // namespace

template <typename Text> StatementSums::Kind StatementSums::kindOf(const Text& type) {
    Kind kind;
    for (std::size_t i = 0; i < kCodes.size(); ++i) {
        if (type == QLatin1StringView(kCodes[i])) {
            kind.code = static_cast<int>(i);
        }
    }
    if (type.startsWith(QLatin1Char('D'))) {
        kind.side = BalanceSide::Debit;
    } else if (type.startsWith(QLatin1Char('C'))) {
        kind.side = BalanceSide::Credit;
    }
    return kind;
}

StatementSums::Kind StatementSums::kindOfField(const RecordBytes& bytes) {
    std::uint64_t field = 0;
    std::memcpy(&field, bytes.data() + RecordLayout::kTypeOffset, RecordLayout::kTypeSize);
    const auto end = known_.begin() + static_cast<std::ptrdiff_t>(knownCount_);
    const auto found = std::find_if(known_.begin(), end,
                                    [field](const KnownField& k) { return k.field == field; });
    if (found != end) {
        return found->kind;
    }
    const Kind kind = kindOf(RecordFields::type(bytes));
    if (knownCount_ < known_.size()) {
        known_[knownCount_++] = {field, kind};
    }
    return kind;
}

void StatementSums::add(const AccountRecord& account) {
    add(kindOf(account.type), account.balances());
}

void StatementSums::add(const RecordBytes& bytes) {
    add(kindOfField(bytes), {RecordFields::current(bytes), RecordFields::ytd(bytes)});
}

void StatementSums::add(Kind kind, const Amounts& balances) {
    if (kind.side == BalanceSide::Debit) {
        debits_ += balances;
    } else if (kind.side == BalanceSide::Credit) {
        credits_ += balances;
    }
    if (kind.code < 0) {
        return;
    }
    // A code's total is needed only once the business is known: one too large is said
    // when it is asked for, as if it were added then.
    Sum& sum = sums_[static_cast<std::size_t>(kind.code)];
    sum.seen = true;
    if (!sum.overflowed) {
        try {
            sum.amounts += balances;
        } catch (const MoneyOverflow&) {
            sum.overflowed = true;
        }
    }
}

Amounts StatementSums::total(const char* code) const {
    const Sum& sum = sums_.at(indexOf(code));
    if (sum.overflowed) {
        throw MoneyOverflow();
    }
    return sum.amounts;
}

bool StatementSums::has(const char* code) const {
    return sums_.at(indexOf(code)).seen;
}

} // namespace folio::statements
