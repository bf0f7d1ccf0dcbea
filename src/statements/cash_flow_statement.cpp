#include "statements/cash_flow_statement.h"
#include "data/account_types.h"
#include <QStringList>
#include <algorithm>

namespace folio::statements {

namespace {

// A balance sheet account as it stood at both ends of the period.
struct AccountChange {
    QString name;
    QString type;
    Money beginning;
    Money now;
    Money leftOut; // moved by entries that the statement lists as non-cash
};

bool isDebit(const QString& type) {
    return balanceSide(type) == BalanceSide::Debit;
}

// What moving an account's balance up by `change` does to cash.
Money cashEffect(const QString& type, Money change) {
    return isDebit(type) ? -change : change;
}

// What a line moves its account's balance by.
Money movement(const MovedLine& line) {
    return isDebit(line.type) ? line.debit - line.credit : line.credit - line.debit;
}

class Changes {
  public:
    // The accounts that have a class, from the table or read again from the file when the
    // statements were computed as it streamed by.
    void add(const Statements& s, bool atBeginning) {
        s.forEachListed({"D1", "C1", "C2", "C3C", "C3", "D3"}, [&](int, const AccountRecord& a) {
            if (hasCashFlowClass(a.type)) {
                (atBeginning ? find(a.name, a.type).beginning : find(a.name, a.type).now) +=
                    a.current;
            }
        });
    }
    AccountChange& find(const QString& name, const QString& type) {
        for (AccountChange& c : changes_) {
            if (c.name == name && c.type == type) {
                return c;
            }
        }
        changes_.push_back({name, type, {}, {}, {}});
        return changes_.back();
    }
    const std::vector<AccountChange>& all() const { return changes_; }

  private:
    std::vector<AccountChange> changes_;
};

// An investing entry without cash, by the accounts on each side, and what it bought.
struct NonCashKey {
    QStringList investing;
    QStringList others;
    Money acquired;
};

// Leaves out of the sections the entries that touch an investing account and no cash,
// and lists what they bought or sold.
std::vector<CashFlowLine> leaveOutNonCash(Changes& changes, const CashFlowClasses& classes,
                                          const std::vector<MovedEntry>& entries) {
    std::vector<NonCashKey> found;
    for (const MovedEntry& entry : entries) {
        Money debits;
        Money credits;
        bool investing = false;
        bool eligible = entry.size() >= 2;
        for (const MovedLine& line : entry) {
            debits += line.debit;
            credits += line.credit;
            if (!hasCashFlowClass(line.type)) {
                eligible = false;
                break;
            }
            const CashFlowClass kind = cashFlowClassOf(line.name, line.type, classes);
            eligible = eligible && kind != CashFlowClass::Cash;
            investing = investing || kind == CashFlowClass::Investing;
        }
        if (!eligible || !investing || debits != credits) {
            continue;
        }
        NonCashKey key;
        for (const MovedLine& line : entry) {
            changes.find(line.name, line.type).leftOut += movement(line);
            if (cashFlowClassOf(line.name, line.type, classes) == CashFlowClass::Investing) {
                key.investing << line.name;
                key.acquired += line.debit - line.credit;
            } else {
                key.others << line.name;
            }
        }
        auto same = std::find_if(found.begin(), found.end(), [&key](const NonCashKey& k) {
            return k.investing == key.investing && k.others == key.others;
        });
        if (same == found.end()) {
            found.push_back(key);
        } else {
            same->acquired += key.acquired;
        }
    }
    std::vector<CashFlowLine> lines;
    for (const NonCashKey& key : found) {
        if (!key.acquired.isZero()) {
            const bool bought = !key.acquired.isNegative();
            lines.push_back(
                {QStringLiteral("%1 %2 through %3")
                     .arg(key.investing.join(QStringLiteral(", ")),
                          bought ? QStringLiteral("acquired") : QStringLiteral("disposed of"),
                          key.others.join(QStringLiteral(", "))),
                 bought ? key.acquired : -key.acquired});
        }
    }
    return lines;
}

QString changeLabel(const AccountChange& c, CashFlowClass kind, Money change) {
    if (c.type == QLatin1String("D3")) {
        return QStringLiteral("%1 paid").arg(c.name);
    }
    const bool up = !change.isNegative();
    if (kind == CashFlowClass::Investing && isDebit(c.type)) {
        return (up ? QStringLiteral("Purchase of %1") : QStringLiteral("Sale of %1")).arg(c.name);
    }
    return (up ? QStringLiteral("Increase in %1") : QStringLiteral("Decrease in %1")).arg(c.name);
}

Money sum(const std::vector<CashFlowLine>& lines) {
    Money total;
    for (const CashFlowLine& line : lines) {
        total += line.amount;
    }
    return total;
}

} // namespace

CompanyInfo beginningCompany(const AccountTable& beginning, const CompanyInfo& now) {
    CompanyInfo company = now;
    Money inventory;
    for (const AccountRecord& a : beginning.records) {
        if (a.type == QLatin1String("D1I")) {
            inventory += a.current;
        }
    }
    company.endingInventory = inventory;
    return company;
}

CashFlowStatement computeCashFlows(const Statements& beginning, const Statements& now,
                                   const CashFlowClasses& classes,
                                   const std::vector<MovedEntry>& entries) {
    CashFlowStatement s;
    Changes changes;
    changes.add(now, false);
    changes.add(beginning, true);
    s.nonCash = leaveOutNonCash(changes, classes, entries);
    s.netIncome = now.income->netIncome.current - beginning.income->netIncome.current;
    const Money inventoryChange =
        now.balance->inventory.current - beginning.balance->inventory.current;
    if (!inventoryChange.isZero()) {
        s.workingCapital.push_back(
            {(inventoryChange.isNegative() ? QStringLiteral("Decrease in %1")
                                           : QStringLiteral("Increase in %1"))
                 .arg(QStringLiteral("Merchandise Inventory")),
             -inventoryChange});
    }
    for (const AccountChange& c : changes.all()) {
        const CashFlowClass kind = cashFlowClassOf(c.name, c.type, classes);
        if (kind == CashFlowClass::Cash) {
            s.cashAtBeginning += isDebit(c.type) ? c.beginning : -c.beginning;
            s.cashAtEnd += isDebit(c.type) ? c.now : -c.now;
            continue;
        }
        const Money change = c.now - c.beginning - c.leftOut;
        if (change.isZero()) {
            continue;
        }
        const CashFlowLine line{changeLabel(c, kind, change), cashEffect(c.type, change)};
        switch (kind) {
        case CashFlowClass::NonCashAdjustment:
            s.adjustments.push_back(line);
            break;
        case CashFlowClass::CurrentAsset:
        case CashFlowClass::CurrentLiability:
            s.workingCapital.push_back(line);
            break;
        case CashFlowClass::Investing:
            s.investing.push_back(line);
            break;
        case CashFlowClass::Financing:
            s.financing.push_back(line);
            break;
        case CashFlowClass::Cash:
            break;
        }
    }
    s.operating = s.netIncome + sum(s.adjustments) + sum(s.workingCapital);
    s.investingTotal = sum(s.investing);
    s.financingTotal = sum(s.financing);
    s.netChange = s.operating + s.investingTotal + s.financingTotal;
    return s;
}

} // namespace folio::statements
