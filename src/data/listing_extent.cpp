#include "data/listing_extent.h"
#include <algorithm>

namespace folio {

template <typename Name> void ListingExtent::addName(qsizetype length, const Name& name) {
    if (names_.size() >= kNames && length <= names_.back().first) {
        return;
    }
    const auto longer = [](const auto& x, const auto& y) { return x.first > y.first; };
    const std::pair<qsizetype, QString> entry{length, QString()};
    const auto at = std::upper_bound(names_.begin(), names_.end(), entry, longer);
    names_.insert(at, {length, QString(name)});
    if (names_.size() > kNames) {
        names_.pop_back();
    }
}

void ListingExtent::addAmounts(int number, const Amounts& balances) {
    if (highestNumber_ == 0) {
        highest_ = lowest_ = balances;
    }
    highest_ = {std::max(highest_.current, balances.current), std::max(highest_.ytd, balances.ytd)};
    lowest_ = {std::min(lowest_.current, balances.current), std::min(lowest_.ytd, balances.ytd)};
    highestNumber_ = std::max(highestNumber_, number);
}

void ListingExtent::add(int number, const AccountRecord& account) {
    addName(account.name.size(), account.name);
    if (highestNumber_ == 0 || account.type.size() > longestType_.size()) {
        longestType_ = account.type;
    }
    addAmounts(number, account.balances());
}

void ListingExtent::add(int number, const RecordBytes& bytes) {
    const QLatin1StringView name = RecordFields::name(bytes);
    addName(name.size(), name);
    const QLatin1StringView type = RecordFields::type(bytes);
    if (highestNumber_ == 0 || type.size() > longestType_.size()) {
        longestType_ = type;
    }
    addAmounts(number, {RecordFields::current(bytes), RecordFields::ytd(bytes)});
}

std::vector<QString> ListingExtent::longestNames() const {
    std::vector<QString> names;
    for (const auto& entry : names_) {
        names.push_back(entry.second);
    }
    return names;
}

} // namespace folio
