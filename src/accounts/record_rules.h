#pragma once
#include "data/money.h"
#include <QString>

// The rules that move an account between its record and the setup tab's boxes.
namespace RecordRules {
// What a balance box shows for a stored balance: the currency format, empty for zero.
QString boxText(Money balance);
// The balance stored from a box when the record is saved: a text whose leading number is
// above zero is read as a whole amount and taken to cents; anything else (a formatted
// amount, empty, 0, a negative number, a text that is not an amount) keeps `stored`.
Money balanceToStore(const QString& text, Money stored);
// What a balance box shows once the current-balance box has been left and the record
// saved: a positive amount that was stored shows in the currency format; any text that
// stores nothing shows the balance the record holds, as when the record is shown.
QString shownAfterLeaving(const QString& text, Money held);
// The window caption for a record: "Record  3/ 12".
QString caption(int currentRecord, int recordCount);
} // namespace RecordRules
