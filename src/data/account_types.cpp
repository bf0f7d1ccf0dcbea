#include "data/account_types.h"

BalanceSide balanceSide(const QString& code) {
    if (code.startsWith(u'D')) {
        return BalanceSide::Debit;
    }
    if (code.startsWith(u'C')) {
        return BalanceSide::Credit;
    }
    return BalanceSide::Neither;
}
