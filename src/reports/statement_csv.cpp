#include "reports/statement_csv.h"
#include "data/account_types.h"
#include "data/csv_text.h"
#include <QStringList>
#include <functional>

namespace folio::reports {

namespace {

using statements::Statements;

class Csv {
  public:
    explicit Csv(const std::function<void(const QString&)>& write) : write_(write) {}
    void line(const QStringList& fields) { write_(csvLine(fields) + QStringLiteral("\r\n")); }
    void figure(const QString& label, const Amounts& amounts) {
        line({csvText(label), csvAmount(amounts.current), csvAmount(amounts.ytd)});
    }
    // Every listed account whose whole type code is `code`, at its balances.
    void accounts(const Statements& s, const char* code) {
        s.forEachListed({code},
                        [this](int, const AccountRecord& r) { figure(r.name, r.balances()); });
    }

  private:
    const std::function<void(const QString&)>& write_;
};

} // namespace

QString statementTitle(Report report) {
    switch (report) {
    case Report::TrialBalance:
        return QStringLiteral("Trial Balance");
    case Report::IncomeStatement:
        return QStringLiteral("Income Statement");
    case Report::Equity:
        return QStringLiteral("Stockholders' Equity");
    case Report::BalanceSheet:
        return QStringLiteral("Balance Sheet");
    case Report::CashFlows:
        return QStringLiteral("Statement of Cash Flows");
    }
    return {};
}

namespace {

void trialBalance(Csv& csv, const Statements& s) {
    csv.line({QStringLiteral("Account"), QStringLiteral("Current Debit"),
              QStringLiteral("Current Credit"), QStringLiteral("Year to Date Debit"),
              QStringLiteral("Year to Date Credit")});
    s.forEachListed({}, [&csv](int, const AccountRecord& r) {
        const BalanceSide side = balanceSide(r.type);
        if (side == BalanceSide::Neither) {
            return;
        }
        const QString current = csvAmount(r.current);
        const QString ytd = csvAmount(r.ytd);
        const QString name = csvText(r.name);
        csv.line(side == BalanceSide::Debit ? QStringList{name, current, {}, ytd, {}}
                                            : QStringList{name, {}, current, {}, ytd});
    });
    csv.line({QStringLiteral("Total"), csvAmount(s.trial.debits.current),
              csvAmount(s.trial.credits.current), csvAmount(s.trial.debits.ytd),
              csvAmount(s.trial.credits.ytd)});
}

void incomeStatement(Csv& csv, const Statements& s) {
    const statements::IncomeStatement& f = *s.income;
    csv.accounts(s, "C4");
    csv.figure(QStringLiteral("Total Revenue"), f.revenue);
    csv.accounts(s, "D4");
    csv.figure(QStringLiteral("Net Sales"), f.netSales);
    if (f.business == statements::Business::Merchandising) {
        csv.figure(QStringLiteral("Beginning Inventory"), f.beginningInventory);
        csv.figure(QStringLiteral("Purchases"), f.purchases);
        csv.figure(QStringLiteral("Purchase Returns & Allow."), f.purchaseReturns);
        csv.figure(QStringLiteral("Cost of Mdse. Available"), f.costAvailable);
        csv.figure(QStringLiteral("Less Ending Inventory"), {f.endingInventory, f.endingInventory});
        csv.figure(QStringLiteral("Cost of Goods Sold"), f.costOfGoodsSold);
        csv.figure(QStringLiteral("Gross Profit"), f.grossProfit);
    }
    csv.accounts(s, "D6");
    csv.figure(QStringLiteral("Total Expenses"), f.expenses);
    csv.figure(QStringLiteral("Net Income"), f.netIncome);
}

void equity(Csv& csv, const Statements& s) {
    const statements::EquityStatement& f = *s.equity;
    csv.figure(QStringLiteral("Beginning Retained Earnings"), f.beginningRetained);
    csv.figure(QStringLiteral("Net Income"), f.netIncome);
    csv.figure(QStringLiteral("Dividends"), f.dividends);
    csv.figure(QStringLiteral("Ending Retained Earnings"), f.endingRetained);
    csv.figure(QStringLiteral("Capital Stock"), f.capitalStock);
    csv.figure(QStringLiteral("Total Stockholders' Equity"), f.total);
}

void balanceSheet(Csv& csv, const Statements& s) {
    const statements::BalanceSheet& f = *s.balance;
    csv.accounts(s, "D1");
    if (f.hasInventory) {
        csv.figure(QStringLiteral("Merchandise Inventory"), f.inventory);
    }
    csv.accounts(s, "C1");
    csv.figure(QStringLiteral("Total Assets"), f.totalAssets);
    csv.accounts(s, "C2");
    csv.figure(QStringLiteral("Total Liabilities"), f.liabilities);
    csv.figure(QStringLiteral("Capital Stock"), f.capitalStock);
    csv.figure(QStringLiteral("Retained Earnings"), f.retainedEarnings);
    csv.figure(QStringLiteral("Total Liabilities & Stockholders' Equity"),
               f.totalLiabilitiesAndEquity);
}

} // namespace

QString csvAmount(Money amount) {
    const std::int64_t cents = amount.roundedToCents().raw() / 100;
    const std::int64_t magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString statementCsv(Report report, const ReportHeading& heading, const Statements& s) {
    QString text;
    writeStatementCsv(report, heading, s, [&text](const QString& line) { text += line; });
    return text;
}

void writeStatementCsv(Report report, const ReportHeading& heading, const Statements& s,
                       const std::function<void(const QString& line)>& write) {
    Csv csv(write);
    csv.line({QStringLiteral("Company"), csvText(heading.company)});
    csv.line({QStringLiteral("Statement"), statementTitle(report)});
    csv.line({QStringLiteral("Date"), csvText(heading.date)});
    if (!heading.note.isEmpty()) {
        csv.line({QStringLiteral("Note"), csvText(heading.note)});
    }
    if (report != Report::TrialBalance) {
        csv.line(
            {QStringLiteral("Line"), QStringLiteral("Current"), QStringLiteral("Year to Date")});
    }
    switch (report) {
    case Report::TrialBalance:
        trialBalance(csv, s);
        break;
    case Report::IncomeStatement:
        incomeStatement(csv, s);
        break;
    case Report::Equity:
        equity(csv, s);
        break;
    case Report::BalanceSheet:
        balanceSheet(csv, s);
        break;
    case Report::CashFlows: // written from figures of its own: cashFlowCsv
        break;
    }
}

} // namespace folio::reports
