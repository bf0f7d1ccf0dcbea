#include "statements/statement_chain.h"
#include "data/account_types.h"
#include "statements/statement_sums.h"
#include <algorithm>

namespace folio::statements {

namespace {

IncomeStatement incomeStatement(const StatementSums& t, Business business, Money ending) {
    IncomeStatement s;
    s.business = business;
    s.revenue = t.total("C4");
    s.salesReturns = t.total("D4");
    s.netSales = s.revenue - s.salesReturns;
    s.expenses = t.total("D6");
    if (business == Business::Merchandising) {
        s.beginningInventory = t.total("D1I");
        s.purchases = t.total("D5");
        s.purchaseReturns = t.total("C5");
        s.costAvailable = s.beginningInventory + s.purchases - s.purchaseReturns;
        s.endingInventory = ending;
        s.costOfGoodsSold = s.costAvailable - Amounts::both(ending);
    }
    s.grossProfit = s.netSales - s.costOfGoodsSold;
    s.netIncome = s.grossProfit - s.expenses;
    return s;
}

EquityStatement equityStatement(const StatementSums& t, const IncomeStatement& income) {
    EquityStatement s;
    s.beginningRetained = t.total("C3");
    s.netIncome = income.netIncome;
    s.dividends = t.total("D3");
    s.endingRetained = s.beginningRetained + s.netIncome - s.dividends;
    s.capitalStock = t.total("C3C");
    s.total = s.capitalStock + s.endingRetained;
    return s;
}

BalanceSheet balanceSheet(const StatementSums& t, const EquityStatement& equity, Money ending) {
    BalanceSheet s;
    s.assets = t.total("D1");
    s.hasInventory = t.has("D1I");
    s.inventory = s.hasInventory ? Amounts::both(ending) : Amounts();
    s.depreciation = t.total("C1");
    s.totalAssets = s.assets - s.depreciation + s.inventory;
    s.liabilities = t.total("C2");
    s.capitalStock = equity.capitalStock;
    s.retainedEarnings = equity.endingRetained;
    s.totalLiabilitiesAndEquity = s.liabilities + s.capitalStock + s.retainedEarnings;
    return s;
}

template <typename Text>
bool isOneOf(const Text& type, const std::vector<QLatin1StringView>& codes) {
    return std::any_of(codes.begin(), codes.end(),
                       [&type](QLatin1StringView code) { return type == code; });
}

// The figures after the trial balance, when nothing they need is missing.
void completeFrom(Statements& s, const StatementSums& sums, const CompanyInfo& company) {
    s.trial.debits = sums.debits();
    s.trial.credits = sums.credits();
    if (company.business == Business::Unknown) {
        s.missing = Missing::Business;
        return;
    }
    if (company.business == Business::Merchandising && !company.endingInventory) {
        s.missing = Missing::EndingInventory;
        return;
    }
    // A service business takes no stock: an inventory account stands at its own balance.
    const Money ending = company.endingInventory.value_or(sums.total("D1I").current);
    s.income = incomeStatement(sums, company.business, ending);
    s.equity = equityStatement(sums, *s.income);
    s.balance = balanceSheet(sums, *s.equity, ending);
    s.closing = ClosingInputs{s.equity->endingRetained, ending};
}

} // namespace

Statements computeStatements(AccountTable table, const CompanyInfo& company) {
    Statements s;
    s.table = std::move(table);
    s.trial.listed = s.table.listed();
    StatementSums sums;
    for (const AccountRecord& account : s.table.records) {
        sums.add(account);
    }
    completeFrom(s, sums, company);
    return s;
}

Statements computeStatements(FileTable& files, int number, const CompanyInfo& company,
                             const FileTable::ChunkVisit& observe,
                             const std::vector<QLatin1StringView>& keep) {
    const int count = files.recordCount(number);
    const auto listed = [](const RecordBytes& record, const std::vector<QLatin1StringView>& codes) {
        return !RecordFields::isBlank(record) &&
               (codes.empty() || isOneOf(RecordFields::type(record), codes));
    };
    StatementSums sums;
    std::vector<std::pair<int, AccountRecord>> kept;
    files.scanChunks(number, count, [&](int first, std::span<const RecordBytes> records) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            sums.add(records[i]);
            if (!keep.empty() && listed(records[i], keep)) {
                kept.emplace_back(first + static_cast<int>(i), AccountRecord::decode(records[i]));
            }
        }
        return !observe || observe(first, records);
    });
    Statements s;
    completeFrom(s, sums, company);
    s.rescan = [&files, number, count, keep, kept = std::move(kept),
                listed](const std::vector<QLatin1StringView>& codes, const AccountVisit& visit) {
        const bool held =
            !codes.empty() && std::all_of(codes.begin(), codes.end(),
                                          [&keep](auto code) { return isOneOf(code, keep); });
        if (held) { // no second pass over the file
            for (const auto& [at, account] : kept) {
                if (isOneOf(account.type, codes)) {
                    visit(at, account);
                }
            }
            return;
        }
        files.scanChunks(number, count, [&](int first, std::span<const RecordBytes> records) {
            for (std::size_t i = 0; i < records.size(); ++i) {
                if (listed(records[i], codes)) {
                    visit(first + static_cast<int>(i), AccountRecord::decode(records[i]));
                }
            }
            return true;
        });
    };
    return s;
}

void Statements::forEachListed(std::initializer_list<const char*> codes,
                               const AccountVisit& visit) const {
    std::vector<QLatin1StringView> wanted;
    for (const char* code : codes) {
        wanted.emplace_back(code);
    }
    if (rescan) {
        rescan(wanted, visit);
        return;
    }
    for (int number : trial.listed) {
        const AccountRecord& account = record(number);
        if (wanted.empty() || isOneOf(account.type, wanted)) {
            visit(number, account);
        }
    }
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
