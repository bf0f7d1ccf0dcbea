#pragma once
#include "data/account_table.h"
#include "data/amounts.h"
#include <QString>
#include <optional>
#include <vector>

namespace folio::posting {

// The plain rules of a posting: applying amounts to an account's balances by its normal
// balance side, which accounts can take a posting, and which records the grid lists.
namespace PostingRules {

// The balances after posting a debit and a credit to an account of the given type code:
// a code beginning with "D" adds the debit and subtracts the credit, one beginning with
// "C" the reverse. Both balances move together and end in whole cents (halves away from
// zero). Throws MoneyOverflow when a balance leaves the range of Money.
Amounts posted(const Amounts& balances, const QString& typeCode, Money debit, Money credit);

// Why a posting of these amounts is refused: both empty (nothing to post) or both filled
// (a posting is a debit or a credit, never the two netted); empty when it can be posted.
std::optional<QString> amountsRefusal(Money debit, Money credit);

// Whether an account of this type code can take a posting: a code the books know.
bool canPost(const QString& typeCode);
// The message for an account that cannot take a posting.
QString cannotPostMessage(const AccountRecord& account);

// The accounts the posting grid lists, as record numbers in file order: every record
// with a name.
std::vector<int> listing(const AccountTable& table);

// Where a posting leaves its blank record: right after the last account, when that
// record is past the end of the file or blank already; empty otherwise.
std::optional<int> blankSlot(const AccountTable& table, const std::vector<int>& listed);

// The words shown when a new balance is too large to post.
QString amountTooLargeMessage();

} // namespace PostingRules

} // namespace folio::posting
