#include "data/account_types.h"
#include <algorithm>

namespace folio {

BalanceSide balanceSide(const QString& code) {
    if (code.startsWith(u'D')) {
        return BalanceSide::Debit;
    }
    if (code.startsWith(u'C')) {
        return BalanceSide::Credit;
    }
    return BalanceSide::Neither;
}

bool isCatalogueCode(const QString& code) {
    return std::any_of(kAccountTypes.begin(), kAccountTypes.end(),
                       [&code](const AccountType& t) { return code == QLatin1String(t.code); });
}

} // namespace folio
