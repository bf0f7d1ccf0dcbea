#include "journal/ledger_accounts.h"
#include "journal/file_image.h"
#include "journal/ledger_export.h"

namespace folio::journal {

namespace {

std::optional<QString> plainName(const std::optional<AccountRecord>& record) {
    if (!record || record->name.isEmpty()) {
        return std::nullopt;
    }
    return ledgerAccountName(record->name, record->type);
}

} // namespace

QString LedgerAccounts::nameOf(std::size_t index) const {
    const QString plain = *plainName(records_[index]);
    const auto holders = holders_.find(plain);
    return holders != holders_.end() && holders->second.size() > 1
               ? plain + QStringLiteral(" #%1").arg(index + 1)
               : plain;
}

void LedgerAccounts::add(LedgerAmounts& amounts, std::size_t index, bool adding) const {
    if (!plainName(records_[index])) {
        return;
    }
    Money& amount = amounts[nameOf(index)];
    const Money balance = ledgerBalance(*records_[index]);
    amount = adding ? amount + balance : amount - balance;
}

void LedgerAccounts::put(std::size_t index, const Record& record) {
    if (records_.size() <= index) {
        records_.resize(index + 1);
    }
    if (const auto old = plainName(records_[index])) {
        auto holders = holders_.find(*old);
        holders->second.erase(index);
        if (holders->second.empty()) {
            holders_.erase(holders);
        }
    }
    records_[index] = record;
    if (const auto now = plainName(record)) {
        holders_[*now].insert(index);
    }
}

LedgerAmounts LedgerAccounts::advance(const Entry& entry) {
    // The records whose exported name or balance the entry may change: those it touches
    // and every record sharing a name with one of them (it may gain or lose its suffix).
    std::set<std::size_t> affected;
    std::vector<std::pair<std::size_t, Record>> after;
    if (definesWholeFile(entry.kind) || changesLength(entry)) {
        std::vector<AccountRecord> plain;
        for (const Record& record : records_) {
            plain.push_back(record.value_or(AccountRecord{}));
        }
        const std::vector<AccountRecord> next = recordsOf(applied(imageOf(plain), entry));
        for (std::size_t i = 0; i < std::max(next.size(), records_.size()); ++i) {
            affected.insert(i);
            after.emplace_back(i, i < next.size() ? Record(next[i]) : std::nullopt);
        }
    } else {
        for (const Line& line : entry.lines) {
            const auto index = static_cast<std::size_t>(line.record - 1);
            affected.insert(index);
            after.emplace_back(index, line.after);
        }
    }
    const auto addHolders = [&](const std::optional<QString>& plain) {
        if (const auto holders = plain ? holders_.find(*plain) : holders_.end();
            holders != holders_.end()) {
            affected.insert(holders->second.begin(), holders->second.end());
        }
    };
    for (const auto& [index, record] : after) {
        addHolders(index < records_.size() ? plainName(records_[index]) : std::nullopt);
        addHolders(plainName(record));
    }
    LedgerAmounts amounts;
    for (std::size_t index : affected) {
        if (index < records_.size()) {
            add(amounts, index, false);
        }
    }
    for (const auto& [index, record] : after) {
        put(index, record);
    }
    for (std::size_t index : affected) {
        add(amounts, index, true);
    }
    return amounts;
}

LedgerAmounts LedgerAccounts::balances() const {
    LedgerAmounts amounts;
    for (std::size_t index = 0; index < records_.size(); ++index) {
        add(amounts, index, true);
    }
    return amounts;
}

} // namespace folio::journal
