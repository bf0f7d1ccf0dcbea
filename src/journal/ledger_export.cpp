#include "journal/ledger_export.h"
#include "data/account_types.h"
#include "journal/ledger_accounts.h"
#include <QRegularExpression>
#include <map>

namespace folio::journal {

namespace {

// The group of each code the books know; the statements count no other code, so an
// account of another code stays out of the groups they stand for.
const char* groupOf(const QString& code) {
    static const std::array<std::pair<const char*, const char*>, 12> groups{{
        {"D1", "Assets"},
        {"D1I", "Assets"},
        {"C1", "Assets"},
        {"C2", "Liabilities"},
        {"C3C", "Equity"},
        {"C3", "Equity"},
        {"D3", "Equity"},
        {"C4", "Income"},
        {"D4", "Income"},
        {"D5", "Expenses"},
        {"C5", "Expenses"},
        {"D6", "Expenses"},
    }};
    for (const auto& [known, group] : groups) {
        if (code == QLatin1String(known)) {
            return group;
        }
    }
    return "Unclassified";
}

QString plainText(QString text) {
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    return text.simplified();
}

QString dollars(Money amount) {
    return QStringLiteral("$") + plainAmount(amount);
}

// The account that takes the difference of an entry whose debits and credits differ. Its
// name is longer than an account's name can be, so it is never one of the books' accounts.
const QString& balancingAccount() {
    static const QString name =
        QStringLiteral("Equity:Folio balancing of amounts posted to one side only");
    return name;
}

QString transaction(const Entry& entry, LedgerAmounts amounts, Money& balancing) {
    Money sum;
    for (const auto& [account, amount] : amounts) {
        sum += amount;
    }
    if (!sum.isZero()) {
        amounts[balancingAccount()] -= sum;
        balancing -= sum;
    }
    QString postings;
    for (const auto& [account, amount] : amounts) {
        if (!amount.isZero()) {
            postings += QStringLiteral("    %1  %2\n").arg(account, dollars(amount));
        }
    }
    const QString description =
        plainText(entry.memo.isEmpty() ? kindTitle(entry.kind) : entry.memo);
    const QString head = QStringLiteral("%1 (%2) %3  ; %4\n")
                             .arg(entry.date.toString(Qt::ISODate))
                             .arg(entry.seq)
                             .arg(description, kindTitle(entry.kind));
    if (postings.isEmpty()) {
        return QStringLiteral("; ") + head + QLatin1Char('\n');
    }
    return head + postings + QLatin1Char('\n');
}

QString header() {
    return QStringLiteral(
               "; The journal of Folio's books, exported %1.\n"
               "; Accounts are grouped by their type; amounts are in dollars, debits positive.\n"
               "; Two accounts of one name are kept apart by their record number (\"#3\").\n"
               "; An entry whose debits and credits differ (a posting to one account, a\n"
               "; balance typed on the setup tab) is balanced against the account\n"
               ";   %2\n"
               "; whose balance is the difference between the books' debits and credits.\n"
               "; The ending inventory that the merchandising statements subtract from the\n"
               "; cost of goods available is typed when they are made and is no account of\n"
               "; the books, so it is not in this journal: the inventory account keeps the\n"
               "; balance the books hold and purchases count as expenses, so Folio's net\n"
               "; income is higher than this journal's by the ending inventory less that\n"
               "; balance.\n\n")
        .arg(QDateTime::currentDateTime().toString(Qt::ISODate), balancingAccount());
}

} // namespace

QString ledgerAccountName(const QString& name, const QString& typeCode) {
    QString plain = name;
    plain.replace(QLatin1Char(':'), QLatin1Char('-'));
    return QString::fromLatin1(groupOf(typeCode)) + QLatin1Char(':') + plainText(plain);
}

Money ledgerBalance(const AccountRecord& record) {
    return balanceSide(record.type) == BalanceSide::Credit ? -record.current : record.current;
}

ExportResult exportLedger(JournalStore& store, const QString& path, const QString& books,
                          const ExportProgress& progress) {
    ExportWriter out(path, books);
    out.write(header());
    const std::int64_t total = store.appliedCount();
    std::int64_t done = 0;
    LedgerAccounts accounts;
    Money balancing;
    bool balanced = false;
    QDate last = QDate::currentDate();
    const bool finished = store.scanApplied([&](const Entry& entry) {
        const Money before = balancing;
        out.write(transaction(entry, accounts.advance(entry), balancing));
        balanced = balanced || balancing != before;
        last = std::max(last, entry.date);
        ++done;
        return !progress || done % 1000 != 0 || progress(done, total);
    });
    if (!finished) {
        out.cancel();
        return ExportResult::Cancelled;
    }
    LedgerAmounts balances = accounts.balances();
    if (balanced) {
        balances[balancingAccount()] = balancing;
    }
    out.write(
        QStringLiteral("%1 Balances at the end of the journal\n").arg(last.toString(Qt::ISODate)));
    for (const auto& [account, amount] : balances) {
        out.write(QStringLiteral("    %1  $0 = %2\n").arg(account, dollars(amount)));
    }
    out.commit();
    if (progress) {
        progress(total, total);
    }
    return ExportResult::Written;
}

} // namespace folio::journal
