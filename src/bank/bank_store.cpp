#include "bank/bank_store.h"
#include "bank/statement_reader.h"
#include "journal/bank_tables.h"
#include <QDateTime>

namespace folio::bank {

namespace {

const QString kRulesKey = QStringLiteral("bank-rules");
const QString kLayoutKey = QStringLiteral("csv-layout:");

} // namespace

StatementReading readWithKeptLayout(const QString& path, BankStore& store, DateOrder dates) {
    StatementReading reading = readStatement(path, {std::nullopt, dates});
    if (!reading.signature.isEmpty()) {
        if (const auto kept = store.layout(reading.signature)) {
            reading = readStatement(path, {kept, dates});
        }
    }
    return reading;
}

QString currentUser() {
    QString who = qEnvironmentVariable("USER");
    if (who.isEmpty()) {
        who = qEnvironmentVariable("USERNAME", QStringLiteral("unknown"));
    }
    return who;
}

LiveEntries::LiveEntries(journal::JournalStore& store) {
    journal::Statement query(store.database(),
                             "SELECT seq, kind, reversal_of FROM entries WHERE status = 1 AND "
                             "kind IN ('undo', 'redo') AND reversal_of IS NOT NULL");
    while (query.step()) {
        (query.text(1) == QLatin1String("undo") ? undoOf_ : redoOf_)[query.integer(2)] =
            query.integer(0);
    }
}

bool LiveEntries::isLive(std::int64_t seq) const {
    std::int64_t at = seq;
    for (auto undo = undoOf_.constFind(at); undo != undoOf_.cend(); undo = undoOf_.constFind(at)) {
        const auto redo = redoOf_.constFind(*undo);
        if (redo == redoOf_.cend()) {
            return false;
        }
        at = *redo;
    }
    return true;
}

BankStore::BankStore(journal::JournalStore& store) : store_(store) {
    journal::ensureBankTables(store_.database());
}

ImportHistory BankStore::history(const QString& bankAccount) {
    const LiveEntries live(store_);
    ImportHistory history;
    journal::Statement query(store_.database(),
                             "SELECT b.seq, b.date, b.description, b.amount, b.bank_id FROM "
                             "bank_lines b JOIN entries e ON e.seq = b.seq WHERE e.status = 1 "
                             "AND b.account = ?");
    query.bind(1, bankAccount);
    while (query.step()) {
        if (live.isLive(query.integer(0))) {
            history.add({QDate::fromString(query.text(1), Qt::ISODate), query.text(2),
                         Money::fromRaw(query.integer(3)), query.text(4)});
        }
    }
    return history;
}

void BankStore::recordImport(std::int64_t seq, const ImportPlan& plan, const QString& source) {
    journal::Transaction transaction(store_.database());
    journal::Statement import(store_.database(), "INSERT INTO bank_imports VALUES(?, ?, ?, ?, ?)");
    import.bind(1, seq)
        .bind(2, plan.bankAccount)
        .bind(3, source)
        .bind(4, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs))
        .bind(5, currentUser())
        .run();
    journal::Statement line(store_.database(),
                            "INSERT INTO bank_lines VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
    std::int64_t at = 1;
    for (const PlannedLine& planned : plan.lines) {
        if (!planned.included) {
            continue;
        }
        line.reset();
        line.bind(1, seq)
            .bind(2, at)
            .bind(3, plan.bankAccount)
            .bind(4, planned.line.date.toString(Qt::ISODate))
            .bind(5, planned.line.description)
            .bind(6, planned.memo)
            .bind(7, planned.line.amount.roundedToCents().raw())
            .bind(8, planned.line.bankId)
            .run();
        at += 2;
    }
    transaction.commit();
}

RuleBook BankStore::rules() {
    const QString kept = store_.value(kRulesKey);
    if (kept.isEmpty()) {
        return {};
    }
    try {
        return RuleBook::fromFile(QStringLiteral("rules"), kept.toUtf8());
    } catch (const StatementError&) {
        return {};
    }
}

void BankStore::setRules(const RuleBook& rules) {
    store_.setValue(kRulesKey, QString::fromUtf8(rules.toFile()));
}

std::optional<CsvLayout> BankStore::layout(const QString& signature) {
    return CsvLayout::fromText(store_.value(kLayoutKey + signature));
}

void BankStore::setLayout(const QString& signature, const CsvLayout& layout) {
    store_.setValue(kLayoutKey + signature, layout.toText());
}

} // namespace folio::bank
