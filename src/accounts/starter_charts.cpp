#include "accounts/starter_charts.h"
#include "data/file_table.h"
#include <QFileInfo>
#include <initializer_list>
#include <utility>

namespace folio::accounts {

namespace {

using Line = std::pair<const char*, const char*>; // a standard name and its type code

void append(std::vector<AccountRecord>& records, std::initializer_list<Line> lines) {
    for (const auto& [name, code] : lines) {
        AccountRecord record;
        record.name = QLatin1String(name);
        record.type = QLatin1String(code);
        records.push_back(record);
    }
}

} // namespace

QString starterChartQuestion(const QString& path) {
    return QStringLiteral("%1 does not exist yet. Folio will create it as new books.\n\n"
                          "Which chart of accounts should the new books start with?")
        .arg(QFileInfo(path).fileName());
}

QStringList starterChartChoices() {
    return {QStringLiteral("An empty chart (set up every account yourself)"),
            QStringLiteral("A service corporation's chart"),
            QStringLiteral("A merchandising corporation's chart")};
}

std::vector<AccountRecord> starterChartAccounts(StarterChart chart) {
    std::vector<AccountRecord> records;
    if (chart == StarterChart::Empty) {
        return records;
    }
    const bool trading = chart == StarterChart::Merchandising;
    append(records, {{"Cash", "D1"},
                     {"Accounts Receivable", "D1"},
                     {"Supplies", "D1"},
                     {"Prepaid Insurance", "D1"}});
    if (trading) {
        append(records, {{"Merchandise Inventory", "D1I"},
                         {"Furniture & Fixtures", "D1"},
                         {"Accum Deprec Furniture", "C1"}});
    }
    append(records, {{"Equipment", "D1"},
                     {"Accum Deprec Equip", "C1"},
                     {"Notes Payable", "C2"},
                     {"Accounts Payable", "C2"},
                     {"Federal Income Tax Payable", "C2"},
                     {"FICA Tax Payable", "C2"},
                     {"Federal Unemp. Tax Payable", "C2"},
                     {"State Unemp. Tax Payable", "C2"}});
    if (trading) {
        append(records, {{"Sales Tax Payable", "C2"}});
    }
    append(records, {{"Capital Stock", "C3C"}, {"Retained Earnings", "C3"}, {"Sales", "C4"}});
    if (trading) {
        append(records, {{"Sales Returns & Allow.", "D4"},
                         {"Purchases", "D5"},
                         {"Purchase Returns & Allow.", "C5"}});
    }
    append(records, {{"Other Income", "C4"},
                     {"Salary Expense", "D6"},
                     {"Payroll Taxes Expense", "D6"},
                     {"Rent Expense", "D6"},
                     {"Utilities Expense", "D6"},
                     {"Advertising Expense", "D6"},
                     {"Supplies Expense", "D6"},
                     {"Insurance Expense", "D6"},
                     {"Depreciation Expense", "D6"},
                     {"Interest Expense", "D6"},
                     {"Miscellaneous Expense", "D6"}});
    return records;
}

void createStarterBooks(const QString& path, StarterChart chart) {
    const std::vector<AccountRecord> records = starterChartAccounts(chart);
    if (records.empty()) {
        return;
    }
    FileTable::replaceWhole(path, records, true); // the new books this Folio holds
}

} // namespace folio::accounts
