#include "statements/statement_chain.h"
#include "data/account_types.h"
#include <algorithm>
#include <array>
#include <iterator>

namespace folio::statements {

namespace {

// The sum of the accounts of each type code the statements use, and whether the books
// have one of that code.
struct CodeTotal {
    QString code;
    Amounts sum;
    bool seen = false;
};
using CodeTotals = std::array<CodeTotal, 12>;

CodeTotals totalsByCode(const AccountTable& table) {
    CodeTotals totals;
    const char* codes[] = {"D1", "D1I", "C1", "C2", "C3C", "C3",
                           "D3", "C4",  "D4", "D5", "C5",  "D6"};
    static_assert(std::size(codes) == std::tuple_size_v<CodeTotals>);
    for (std::size_t i = 0; i < totals.size(); ++i) {
        totals[i].code = QString::fromLatin1(codes[i]);
    }
    for (const AccountRecord& account : table.records) {
        const QString& code = account.type;
        // Records read from a file share the text of each catalogue code, so once a total
        // holds that text, a record of its code is found without comparing letters.
        auto shared = [&code](const CodeTotal& t) {
            return t.code.constData() == code.constData() && t.code.size() == code.size();
        };
        auto found = std::find_if(totals.begin(), totals.end(), shared);
        if (found == totals.end()) {
            found = std::find_if(totals.begin(), totals.end(),
                                 [&code](const CodeTotal& t) { return t.code == code; });
            if (found != totals.end()) {
                found->code = code;
            }
        }
        if (found != totals.end()) {
            found->sum += account.balances();
            found->seen = true;
        }
    }
    return totals;
}

const CodeTotal& totalOf(const CodeTotals& totals, const char* code) {
    return *std::find_if(totals.begin(), totals.end(),
                         [code](const CodeTotal& t) { return t.code == QLatin1String(code); });
}

Amounts of(const CodeTotals& totals, const char* code) {
    return totalOf(totals, code).sum;
}

TrialBalance trialBalance(const AccountTable& table) {
    TrialBalance trial;
    trial.listed = table.listed();
    for (const AccountRecord& account : table.records) {
        switch (balanceSide(account.type)) {
        case BalanceSide::Debit:
            trial.debits += account.balances();
            break;
        case BalanceSide::Credit:
            trial.credits += account.balances();
            break;
        case BalanceSide::Neither:
            break;
        }
    }
    return trial;
}

IncomeStatement incomeStatement(const CodeTotals& t, Business business, Money ending) {
    IncomeStatement s;
    s.business = business;
    s.revenue = of(t, "C4");
    s.salesReturns = of(t, "D4");
    s.netSales = s.revenue - s.salesReturns;
    s.expenses = of(t, "D6");
    if (business == Business::Merchandising) {
        s.beginningInventory = of(t, "D1I");
        s.purchases = of(t, "D5");
        s.purchaseReturns = of(t, "C5");
        s.costAvailable = s.beginningInventory + s.purchases - s.purchaseReturns;
        s.endingInventory = ending;
        s.costOfGoodsSold = s.costAvailable - Amounts::both(ending);
    }
    s.grossProfit = s.netSales - s.costOfGoodsSold;
    s.netIncome = s.grossProfit - s.expenses;
    return s;
}

EquityStatement equityStatement(const CodeTotals& t, const IncomeStatement& income) {
    EquityStatement s;
    s.beginningRetained = of(t, "C3");
    s.netIncome = income.netIncome;
    s.dividends = of(t, "D3");
    s.endingRetained = s.beginningRetained + s.netIncome - s.dividends;
    s.capitalStock = of(t, "C3C");
    s.total = s.capitalStock + s.endingRetained;
    return s;
}

BalanceSheet balanceSheet(const CodeTotals& t, const EquityStatement& equity, Money ending) {
    BalanceSheet s;
    s.assets = of(t, "D1");
    s.hasInventory = totalOf(t, "D1I").seen;
    s.inventory = s.hasInventory ? Amounts::both(ending) : Amounts();
    s.depreciation = of(t, "C1");
    s.totalAssets = s.assets - s.depreciation + s.inventory;
    s.liabilities = of(t, "C2");
    s.capitalStock = equity.capitalStock;
    s.retainedEarnings = equity.endingRetained;
    s.totalLiabilitiesAndEquity = s.liabilities + s.capitalStock + s.retainedEarnings;
    return s;
}

} // namespace

Statements computeStatements(AccountTable table, const CompanyInfo& company) {
    Statements s;
    s.table = std::move(table);
    s.trial = trialBalance(s.table);
    if (company.business == Business::Unknown) {
        s.missing = Missing::Business;
        return s;
    }
    if (company.business == Business::Merchandising && !company.endingInventory) {
        s.missing = Missing::EndingInventory;
        return s;
    }
    const CodeTotals totals = totalsByCode(s.table);
    const Money ending = company.endingInventory.value_or(of(totals, "D1I").current);
    s.income = incomeStatement(totals, company.business, ending);
    s.equity = equityStatement(totals, *s.income);
    s.balance = balanceSheet(totals, *s.equity, ending);
    s.closing = ClosingInputs{s.equity->endingRetained, ending};
    return s;
}

QString missingInputMessage(Missing missing, const QString& section) {
    const QString what = missing == Missing::Business
                             ? QStringLiteral("choose the type of business")
                             : QStringLiteral("enter the amount of ending inventory");
    return QStringLiteral("You must complete the %1 section first: %2 on the Company "
                          "Information tab.")
        .arg(section, what);
}

} // namespace folio::statements
