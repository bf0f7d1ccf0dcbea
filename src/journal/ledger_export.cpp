#include "journal/ledger_export.h"
#include "data/account_types.h"
#include "journal/file_image.h"
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

using Amounts = std::map<QString, Money>;

// The balances of the named accounts of a set of records, by exported name.
void addBalances(Amounts& amounts, const std::optional<AccountRecord>& record, bool adding) {
    if (!record || record->name.isEmpty()) {
        return;
    }
    Money& amount = amounts[ledgerAccountName(record->name, record->type)];
    amount = adding ? amount + ledgerBalance(*record) : amount - ledgerBalance(*record);
}

QString plainText(QString text) {
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    return text.simplified();
}

QString dollars(Money amount) {
    return QStringLiteral("$") + plainAmount(amount);
}

using Records = std::vector<std::optional<AccountRecord>>;

Records optionalRecords(const QByteArray& image) {
    Records records;
    for (const AccountRecord& record : recordsOf(image)) {
        records.emplace_back(record);
    }
    return records;
}

QByteArray imageOfRecords(const Records& books) {
    std::vector<AccountRecord> plain;
    for (const auto& record : books) {
        plain.push_back(record.value_or(AccountRecord{}));
    }
    return imageOf(plain);
}

// What the entry moves, by account, as the books stood before it; the books then move on.
Amounts advance(Records& books, const Entry& entry) {
    Amounts amounts;
    if (definesWholeFile(entry.kind) || changesLength(entry)) {
        Records next = optionalRecords(applied(imageOfRecords(books), entry));
        for (const auto& record : books) {
            addBalances(amounts, record, false);
        }
        for (const auto& record : next) {
            addBalances(amounts, record, true);
        }
        books = std::move(next);
        return amounts;
    }
    for (const Line& line : entry.lines) {
        const auto index = static_cast<std::size_t>(line.record - 1);
        if (books.size() <= index) {
            books.resize(index + 1);
        }
        addBalances(amounts, books[index], false);
        addBalances(amounts, line.after, true);
        books[index] = line.after;
    }
    return amounts;
}

QString transaction(const Entry& entry, const Amounts& amounts) {
    Money sum;
    for (const auto& [account, amount] : amounts) {
        sum += amount;
    }
    const bool balanced = sum.isZero();
    QString postings;
    for (const auto& [account, amount] : amounts) {
        if (!amount.isZero()) {
            const QString name = balanced ? account : QLatin1Char('(') + account + QLatin1Char(')');
            postings += QStringLiteral("    %1  %2\n").arg(name, dollars(amount));
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

} // namespace

QString ledgerAccountName(const QString& name, const QString& typeCode) {
    QString plain = name;
    plain.replace(QLatin1Char(':'), QLatin1Char('-'));
    return QString::fromLatin1(groupOf(typeCode)) + QLatin1Char(':') + plainText(plain);
}

Money ledgerBalance(const AccountRecord& record) {
    return balanceSide(record.type) == BalanceSide::Credit ? -record.current : record.current;
}

ExportResult exportLedger(JournalStore& store, const QString& path,
                          const ExportProgress& progress) {
    ExportWriter out(path);
    out.write(QStringLiteral("; The journal of Folio's books, exported %1.\n"
                             "; Accounts are grouped by their type; amounts are in dollars,\n"
                             "; debits positive. A posting to one account alone is virtual.\n\n")
                  .arg(QDateTime::currentDateTime().toString(Qt::ISODate)));
    const std::int64_t total = store.appliedCount();
    std::int64_t done = 0;
    Records books;
    QDate last = QDate::currentDate();
    const bool finished = store.scanApplied([&](const Entry& entry) {
        out.write(transaction(entry, advance(books, entry)));
        last = std::max(last, entry.date);
        ++done;
        return !progress || done % 1000 != 0 || progress(done, total);
    });
    if (!finished) {
        out.cancel();
        return ExportResult::Cancelled;
    }
    Amounts balances;
    for (const auto& record : books) {
        addBalances(balances, record, true);
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
