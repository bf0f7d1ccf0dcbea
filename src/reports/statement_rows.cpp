#include "data/account_types.h"
#include "reports/comparative.h"
#include <map>

namespace folio::reports {

namespace {

using Kind = StatementRow::Kind;
using statements::Statements;

class Rows {
  public:
    explicit Rows(const Statements& s) : s_(s) {}
    void total(const char* label, const Amounts& amounts) {
        rows_.push_back({Kind::Total, QString::fromLatin1(label), amounts.current});
    }
    // The accounts of one type code, in file order. The listed accounts are visited once
    // (read again from the file when the statements were computed as it streamed by).
    void accounts(const char* code) {
        if (!gathered_) {
            gathered_ = true;
            s_.forEachListed({}, [this](int, const AccountRecord& r) {
                byType_[r.type].push_back({Kind::Detail, r.name, r.current});
            });
        }
        const auto found = byType_.find(QString::fromLatin1(code));
        if (found != byType_.end()) {
            rows_.insert(rows_.end(), found->second.begin(), found->second.end());
        }
    }
    std::vector<StatementRow> take() { return std::move(rows_); }

  private:
    const Statements& s_;
    std::vector<StatementRow> rows_;
    bool gathered_ = false;
    std::map<QString, std::vector<StatementRow>> byType_;
};

} // namespace

std::vector<StatementRow> statementRows(Report report, const Statements& s) {
    Rows rows(s);
    switch (report) {
    case Report::TrialBalance:
        for (const char* code :
             {"D1", "D1I", "C1", "C2", "C3C", "C3", "D3", "C4", "D4", "D5", "C5", "D6"}) {
            rows.accounts(code);
        }
        rows.total("Total Debits", s.trial.debits);
        rows.total("Total Credits", s.trial.credits);
        break;
    case Report::IncomeStatement:
        rows.accounts("C4");
        rows.total("Total Revenue", s.income->revenue);
        rows.accounts("D4");
        rows.total("Net Sales", s.income->netSales);
        if (s.income->business == statements::Business::Merchandising) {
            rows.total("Cost of Goods Sold", s.income->costOfGoodsSold);
            rows.total("Gross Profit", s.income->grossProfit);
        }
        rows.accounts("D6");
        rows.total("Total Expenses", s.income->expenses);
        rows.total("Net Income", s.income->netIncome);
        break;
    case Report::Equity:
        rows.total("Beginning Retained Earnings", s.equity->beginningRetained);
        rows.total("Net Income", s.equity->netIncome);
        rows.total("Dividends", s.equity->dividends);
        rows.total("Ending Retained Earnings", s.equity->endingRetained);
        rows.total("Capital Stock", s.equity->capitalStock);
        rows.total("Total Stockholders' Equity", s.equity->total);
        break;
    case Report::BalanceSheet:
        rows.accounts("D1");
        if (s.balance->hasInventory) {
            rows.total("Merchandise Inventory", s.balance->inventory);
        }
        rows.accounts("C1");
        rows.total("Total Assets", s.balance->totalAssets);
        rows.accounts("C2");
        rows.total("Total Liabilities", s.balance->liabilities);
        rows.total("Capital Stock", s.balance->capitalStock);
        rows.total("Retained Earnings", s.balance->retainedEarnings);
        rows.total("Total Liabilities & Stockholders' Equity",
                   s.balance->totalLiabilitiesAndEquity);
        break;
    case Report::CashFlows: // rows of its own: cashFlowRows
        break;
    }
    return rows.take();
}

} // namespace folio::reports
