#include "closing/carry_forward.h"
#include <algorithm>

namespace folio::closing {

namespace {

// The first record of that name not taken yet; records.size() when there is none.
std::size_t take(const std::vector<AccountRecord>& records, std::vector<bool>& taken,
                 const QString& name) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!taken[i] && records[i].name == name) {
            taken[i] = true;
            return i;
        }
    }
    return records.size();
}

} // namespace

std::vector<CarriedAmount> carriedDifference(const std::vector<AccountRecord>& closedBefore,
                                             const std::vector<AccountRecord>& closedNow) {
    std::vector<CarriedAmount> carried;
    std::vector<bool> taken(closedBefore.size());
    for (const AccountRecord& now : closedNow) {
        CarriedAmount amount{now.name, now.type, now.current, now.ytd};
        if (const std::size_t at = take(closedBefore, taken, now.name); at < closedBefore.size()) {
            amount.current = now.current - closedBefore[at].current;
            amount.ytd = now.ytd - closedBefore[at].ytd;
        }
        if (!amount.current.isZero() || !amount.ytd.isZero()) {
            carried.push_back(amount);
        }
    }
    for (std::size_t i = 0; i < closedBefore.size(); ++i) {
        const AccountRecord& gone = closedBefore[i];
        if (!taken[i] && (!gone.current.isZero() || !gone.ytd.isZero())) {
            carried.push_back({gone.name, gone.type, -gone.current, -gone.ytd});
        }
    }
    return carried;
}

std::vector<AccountRecord> withCarried(std::vector<AccountRecord> copy,
                                       const std::vector<CarriedAmount>& carried) {
    for (const CarriedAmount& amount : carried) {
        const auto found =
            std::find_if(copy.begin(), copy.end(),
                         [&amount](const AccountRecord& r) { return r.name == amount.name; });
        if (found != copy.end()) {
            found->current = found->current + amount.current;
            found->ytd = found->ytd + amount.ytd;
            continue;
        }
        AccountRecord added;
        added.name = amount.name;
        added.type = amount.type;
        added.current = amount.current;
        added.ytd = amount.ytd;
        copy.push_back(added);
    }
    return copy;
}

} // namespace folio::closing
