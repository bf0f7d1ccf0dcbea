#pragma once
#include "data/account_record.h"
#include "data/money.h"
#include <QString>
#include <vector>

namespace folio::closing {

// What an account of a closed copy gains when changes made in reopened books are carried
// into it: the balances of the books closed as they are now less those of the books
// closed as they were.
struct CarriedAmount {
    QString name;
    QString type;
    Money current;
    Money ytd;
};

// The difference, account by account (matched by name, in file order), between two
// closings of the same books; accounts whose balances did not change are left out.
std::vector<CarriedAmount> carriedDifference(const std::vector<AccountRecord>& closedBefore,
                                             const std::vector<AccountRecord>& closedNow);

// The closed copy's records with the difference added: to the account of the same name,
// or, for an account the copy does not have, as a new account after the last. The copy's
// own postings stay in its balances.
std::vector<AccountRecord> withCarried(std::vector<AccountRecord> copy,
                                       const std::vector<CarriedAmount>& carried);

} // namespace folio::closing
