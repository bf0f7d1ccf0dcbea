#pragma once
#include "data/account_record.h"
#include "data/money.h"
#include <QString>
#include <optional>
#include <vector>

namespace folio::journal {

// One line of a balanced entry as the user enters it.
struct AmountLine {
    int record = 0;
    Money debit;
    Money credit;
};

// Why a balanced entry cannot be posted, in the words the user sees; empty when it can:
// two lines or more, each with a debit or a credit (not both, none negative), and the
// debits equal to the credits to the cent.
std::optional<QString> balanceProblem(const std::vector<AmountLine>& lines);

// The totals of a balanced entry's debits and credits, each amount taken to cents.
// Throws MoneyOverflow when a total does not fit.
struct Totals {
    Money debits;
    Money credits;
};
Totals totalsOf(const std::vector<AmountLine>& lines);

} // namespace folio::journal
