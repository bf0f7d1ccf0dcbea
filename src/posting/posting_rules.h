#pragma once
#include "data/money.h"
#include <QString>
#include <optional>
#include <vector>

struct AccountTable;

// The plain rules of a posting: reading the typed amounts, applying them to an account's
// balances by its normal balance side, and choosing which records the grid lists.
namespace PostingRules {

// An amount typed into the debit or credit box: the leading number of the text (1,500
// gives 1, $50 gives 0, -50 stays negative); empty when it does not fit Money.
std::optional<Money> typedAmount(const QString& text);

// The two balances of one account.
struct Balances {
    Money current;
    Money ytd;
    bool operator==(const Balances&) const = default;
};

// The balances after posting a debit and a credit to an account of the given type code:
// a code beginning with "D" adds the debit and subtracts the credit, one beginning with
// "C" the reverse, any other code leaves both alone. Both balances always move together
// and end in whole cents (halves away from zero). Throws MoneyOverflow when a balance
// leaves the range of Money.
Balances posted(const Balances& shown, const QString& typeCode, Money debit, Money credit);

// The accounts the posting grid lists, as record numbers in file order: every record
// with a name, at most kGridRows of them.
struct Listing {
    std::vector<int> records;
    int accounts = 0;     // the records with a name among those read
    bool tooMany = false; // the file holds more than Folio lists
};
Listing listing(const AccountTable& table);

// The words shown when a typed amount or a new balance is too large to post.
QString amountTooLargeMessage();
// The words shown when a balance box does not hold an amount.
QString notABalanceMessage(const QString& text);

} // namespace PostingRules
