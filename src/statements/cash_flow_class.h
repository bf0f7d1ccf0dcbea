#pragma once
#include "data/account_record.h"
#include <QString>
#include <map>
#include <optional>

namespace folio::statements {

// Where the change of a balance sheet account goes on the statement of cash flows. The
// type codes cannot tell it alone: Cash and Equipment are both "D1".
enum class CashFlowClass {
    Cash,              // the cash the statement explains
    CurrentAsset,      // its change adjusts net income (operating)
    CurrentLiability,  // its change adjusts net income (operating)
    NonCashAdjustment, // an item of net income that moved no cash (depreciation)
    Investing,         // property and equipment bought or sold
    Financing,         // stock issued, notes, dividends
};

inline constexpr CashFlowClass kCashFlowClasses[] = {CashFlowClass::Cash,
                                                     CashFlowClass::CurrentAsset,
                                                     CashFlowClass::CurrentLiability,
                                                     CashFlowClass::NonCashAdjustment,
                                                     CashFlowClass::Investing,
                                                     CashFlowClass::Financing};

// The classes the user chose, by account name; an account not named has its default.
using CashFlowClasses = std::map<QString, CashFlowClass>;

// Whether an account of this type code has a class: the balance sheet accounts ("D1",
// "C1", "C2", "C3C", "C3") and dividends ("D3"). The others make up net income.
bool hasCashFlowClass(const QString& type);

// The class a bookkeeper would expect: an asset named like cash, bank or petty cash is
// cash, another asset current; accumulated depreciation a non-cash adjustment; a
// liability current; capital stock and dividends financing; retained earnings, changed
// by an entry of its own, an adjustment.
CashFlowClass defaultCashFlowClass(const QString& name, const QString& type);

// The account's class: the one chosen for its name, or its default.
CashFlowClass cashFlowClassOf(const QString& name, const QString& type,
                              const CashFlowClasses& chosen);

// The words of a class as the dialog lists them and the journal keeps them.
QString cashFlowClassTitle(CashFlowClass kind);
std::optional<CashFlowClass> cashFlowClassTitled(const QString& title);

} // namespace folio::statements
