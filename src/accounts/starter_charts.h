#pragma once
#include "data/account_record.h"
#include <QString>
#include <QStringList>
#include <vector>

namespace folio::accounts {

// The charts of accounts that new books can start from, in the order the question lists them.
enum class StarterChart { Empty, Service, Merchandising };

// The texts of the new-books question: what it asks about the file and its choices, one per
// StarterChart in that order.
QString starterChartQuestion(const QString& path);
QStringList starterChartChoices();

// The accounts a starter chart holds, in file order, every balance zero. Names and type codes
// come from the standard account names and the type catalogue.
std::vector<AccountRecord> starterChartAccounts(StarterChart chart);

// Creates the accounts file of new books at `path` holding the chart, whole or not at all
// (an empty chart creates nothing: selecting the file creates it empty). Throws FileError.
void createStarterBooks(const QString& path, StarterChart chart);

} // namespace folio::accounts
