#pragma once
#include "data/money.h"
#include <QString>
#include <optional>

namespace folio::accounts {

// The rules that move an account between its record and the setup tab's boxes.
namespace RecordRules {
// What a balance box shows for a stored balance: the currency format, empty for zero.
QString boxText(Money balance);
// The type code stored from the type box: a code of the catalogue, typed in any case,
// stored in capitals; empty text stays empty. Unset when the text is no catalogue code.
std::optional<QString> typeToStore(const QString& text);
// The message for a type code the catalogue does not have.
QString typeRefusedMessage(const QString& text);

// The message for an account name holding characters the accounts file cannot store,
// naming them; empty when the whole name can be stored.
std::optional<QString> nameRefusal(const QString& name);

// The window caption for a record: "Record  3/ 12".
QString caption(int currentRecord, int recordCount);
} // namespace RecordRules

} // namespace folio::accounts
