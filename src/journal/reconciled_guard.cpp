#include "journal/reconciled_guard.h"
#include "journal/entry_date.h"

namespace folio::journal {

std::int64_t originalEntry(JournalStore& store, std::int64_t seq) {
    std::optional<Entry> entry = store.entry(seq);
    while (entry && entry->kind == EntryKind::Redo && entry->reversalOf) {
        const std::optional<Entry> undo = store.entry(*entry->reversalOf);
        if (!undo || !undo->reversalOf) {
            break;
        }
        entry = store.entry(*undo->reversalOf);
    }
    return entry ? entry->seq : seq;
}

std::optional<QString> reconciledLineOf(JournalStore& store, std::int64_t seq) {
    Statement tables(store.database(),
                     "SELECT 1 FROM sqlite_master WHERE name = 'reconciled_lines'");
    if (!tables.step()) {
        return std::nullopt;
    }
    const std::int64_t original = originalEntry(store, seq);
    Statement query(store.database(),
                    "SELECT r.account, r.statement_date, r.id FROM reconciled_lines l JOIN "
                    "reconciliations r ON r.id = l.reconciliation WHERE l.seq = ? LIMIT 1");
    query.bind(1, original);
    if (!query.step()) {
        return std::nullopt;
    }
    return QStringLiteral("Entry %1 cannot be undone: a line of it was cleared by the "
                          "reconciliation of %2 to the statement of %3 (reconciliation %4). "
                          "Reverse it instead.")
        .arg(original)
        .arg(query.text(0), shownDate(QDate::fromString(query.text(1), Qt::ISODate)))
        .arg(query.integer(2));
}

} // namespace folio::journal
