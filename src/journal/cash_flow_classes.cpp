#include "journal/cash_flow_classes.h"
#include "journal/books_journal.h"
#include <QJsonDocument>
#include <QJsonObject>

namespace folio::journal {

namespace {
const QString kKey = QStringLiteral("cashflow");
} // namespace

std::optional<statements::CashFlowClasses> cashFlowClassesIn(JournalStore& store) {
    const QString kept = store.value(kKey);
    if (kept.isEmpty()) {
        return std::nullopt;
    }
    statements::CashFlowClasses classes;
    const QJsonObject object = QJsonDocument::fromJson(kept.toUtf8()).object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (const auto kind = statements::cashFlowClassTitled(it.value().toString())) {
            classes[it.key()] = *kind;
        }
    }
    return classes;
}

void keepCashFlowClasses(JournalStore& store, const statements::CashFlowClasses& classes) {
    QJsonObject object;
    for (const auto& [name, kind] : classes) {
        object.insert(name, statements::cashFlowClassTitle(kind));
    }
    store.setValue(kKey, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

void carryCashFlowClasses(JournalStore& books, const QString& closedPath) {
    if (const auto kept = cashFlowClassesIn(books)) {
        JournalStore copy;
        copy.open(journalPathFor(closedPath));
        keepCashFlowClasses(copy, *kept);
    }
}

} // namespace folio::journal
