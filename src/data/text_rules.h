#pragma once
#include "data/money.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace folio {

// An amount in the US English currency format: $1,234.56, or ($1,234.56) when negative.
// The amount is shown to whole cents, halves away from zero.
QString formatCurrency(Money amount);

// Reads a whole text as an amount, as US bookkeepers write one: blanks around it, an
// optional dollar sign, thousands separators in groups of three, at most two decimals, a
// leading minus or parentheses for a negative amount (1500, 1,500, 1500.5, $1,500.00,
// -1500, (1,500.00)). Empty when the text is anything else or does not fit Money.
std::optional<Money> parseAmount(const QString& text);

// Reads a whole text as a date, as US bookkeepers write one, the same for every date box
// and the command line: month/day/year (1/5/2026, 01/05/26, 1-5-2026), year-month-day
// (2026-01-05), or with the month's name (January 5, 2026; Jan 5 2026; 5 January 2026;
// 5-Jan-26). Blanks around it are ignored; a two-digit year is one of 1950 to 2049. Empty
// when the text is no date, or names a day its month does not have.
std::optional<QDate> readDate(const QString& text);

// The characters of a text that a record's Latin-1 field cannot hold, each once, in the
// order they first appear; empty when the whole text can be stored.
QStringList unstorableCharacters(const QString& text);

} // namespace folio
