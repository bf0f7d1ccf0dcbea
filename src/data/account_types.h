#pragma once
#include <QString>
#include <QStringList>
#include <array>

namespace folio {

// One entry of the catalogue of account type codes that the type list offers.
struct AccountType {
    const char* description; // the list text, e.g. "D1 = Asset Accounts"
    const char* code;        // the code stored in the record, e.g. "D1"
};

// The catalogue of account types in list order. The first letter of a code is the
// account's normal balance side: "D" debit, "C" credit. The statements and closings
// compare whole codes: "C3C" is capital stock, never retained earnings ("C3").
inline constexpr std::array<AccountType, 12> kAccountTypes{{
    {"D1 = Asset Accounts", "D1"},
    {"D1I = Merchandise Inventory", "D1I"},
    {"C1 = Accumulated Depreciation", "C1"},
    {"C2 = Liability Accounts", "C2"},
    {"C3C = Common Stock", "C3C"},
    {"C3 = Retained Earnings", "C3"},
    {"D3 = Dividends", "D3"},
    {"C4 = Revenue Accounts", "C4"},
    {"D4 = Sales Returns & Allow.", "D4"},
    {"D5 = Purchases", "D5"},
    {"C5 = Purchase Returns & Allow.", "C5"},
    {"D6 = Expenses", "D6"},
}};

// The standard account names that the name list offers, in list order.
inline constexpr std::array<const char*, 39> kStandardNames{{
    "Cash",
    "Notes Receivable",
    "Accounts Receivable",
    "Merchandise Inventory",
    "Prepaid Insurance",
    "Furniture & Fixtures",
    "Accum Deprec Furniture",
    "Equipment",
    "Accum Deprec Equip",
    "Supplies",
    "Notes Payable",
    "Accounts Payable",
    "Federal Income Tax Payable",
    "FICA Tax Payable",
    "Federal Unemp. Tax Payable",
    "State Unemp. Tax Payable",
    "Sales Tax Payable",
    "SDI Tax Payable",
    "Other Liabilities",
    "Capital Stock",
    "Retained Earnings",
    "Sales",
    "Sales Returns & Allow.",
    "Other Income",
    "Purchases",
    "Purchase Returns & Allow.",
    "Salary Expense",
    "Rent Expense",
    "Advertising Expense",
    "Supplies Expense",
    "Depreciation Expense",
    "Insurance Expense",
    "Miscellaneous Expense",
    "Payroll Taxes Expense",
    "Legal and Accounting",
    "Utilities Expense",
    "Sublabor Expense",
    "Bad Debts Expense",
    "Interest Expense",
}};

// The normal balance side of a trimmed type code: the exact first letter decides.
enum class BalanceSide { Debit, Credit, Neither };
BalanceSide balanceSide(const QString& code);

// Whether a code is one of the catalogue's (exact, case-sensitive).
bool isCatalogueCode(const QString& code);

} // namespace folio
