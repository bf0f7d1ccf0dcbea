#pragma once
#include "statements/cash_flow_class.h"
#include "statements/statement_chain.h"
#include <vector>

namespace folio::statements {

// One line of the statement of cash flows: its words and what it adds to cash.
struct CashFlowLine {
    QString label;
    Money amount;
    bool operator==(const CashFlowLine&) const = default;
};

// One line of an entry of the period, as the journal kept it: the account's name and
// type code at the time and the amounts moved.
struct MovedLine {
    QString name;
    QString type;
    Money debit;
    Money credit;
};
using MovedEntry = std::vector<MovedLine>;

// The statement of cash flows of one period, indirect method: net income adjusted to the
// cash from operating activities, then investing and financing activities, and the net
// change checked against the change in the cash accounts.
struct CashFlowStatement {
    Money netIncome;
    std::vector<CashFlowLine> adjustments;    // non-cash items (depreciation)
    std::vector<CashFlowLine> workingCapital; // current assets other than cash, liabilities
    Money operating;
    std::vector<CashFlowLine> investing;
    Money investingTotal;
    std::vector<CashFlowLine> financing;
    Money financingTotal;
    Money netChange; // operating + investing + financing
    Money cashAtBeginning;
    Money cashAtEnd;
    // Investing done without cash (bought on account, for a note), kept out of investing.
    std::vector<CashFlowLine> nonCash;

    Money cashChange() const { return cashAtEnd - cashAtBeginning; }
    // Zero when the net change equals the change in the cash accounts.
    Money checkDifference() const { return netChange - cashChange(); }
};

// The statement of cash flows from the statements at the beginning of the period and now
// (the current column of each; the beginning's ending inventory is its inventory account)
// and the entries of the period with two lines or more. Both need every input: nothing
// missing. Throws MoneyOverflow when a sum does not fit.
CashFlowStatement computeCashFlows(const Statements& beginning, const Statements& now,
                                   const CashFlowClasses& classes,
                                   const std::vector<MovedEntry>& entries);

// The company values with which the records at the beginning of a period are read: the
// same business, and the inventory account's balance as the ending inventory.
CompanyInfo beginningCompany(const AccountTable& beginning, const CompanyInfo& now);

} // namespace folio::statements
