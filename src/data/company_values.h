#pragma once
#include "data/money.h"
#include <QString>
#include <optional>

// The ending inventory typed at the merchandising prompt, as an amount: never set or
// empty gives zero; empty when the text is not a number.
std::optional<Money> endingInventoryAmount(const std::optional<QString>& typed);

// The plain message for an amount text that cannot be read as a number, quoting it:
// what = "ending inventory" gives: The ending inventory "abc" is not a number. ...
QString notANumberMessage(const QString& what, const QString& text);
