#include "journal/csv_export.h"
#include "data/csv_text.h"
#include <QStringList>

namespace folio::journal {

namespace {

QString balance(const std::optional<AccountRecord>& record, bool ytd) {
    if (!record) {
        return {};
    }
    return plainAmount(ytd ? record->ytd : record->current);
}

QString row(const Entry& entry, const Line* line) {
    QStringList fields = {QString::number(entry.seq),
                          entry.made.toString(Qt::ISODate),
                          entry.date.toString(Qt::ISODate),
                          kindName(entry.kind),
                          csvText(entry.memo),
                          entry.reversalOf ? QString::number(*entry.reversalOf) : QString()};
    if (line != nullptr) {
        fields << QString::number(line->record) << csvText(line->name) << csvText(line->type)
               << plainAmount(line->debit) << plainAmount(line->credit)
               << balance(line->before, false) << balance(line->after, false)
               << balance(line->before, true) << balance(line->after, true);
    }
    return csvLine(fields) + QLatin1Char('\n');
}

} // namespace

ExportResult exportCsv(JournalStore& store, const QString& path, const QString& books,
                       const ExportProgress& progress) {
    ExportWriter out(path, books);
    out.write(QStringLiteral("entry,made,date,kind,memo,reversal of,record,account,type,debit,"
                             "credit,current before,current after,ytd before,ytd after\n"));
    const std::int64_t total = store.appliedCount();
    std::int64_t done = 0;
    const bool finished = store.scanApplied([&](const Entry& entry) {
        if (entry.lines.empty()) {
            out.write(row(entry, nullptr));
        }
        for (const Line& line : entry.lines) {
            out.write(row(entry, &line));
        }
        ++done;
        return !progress || done % 1000 != 0 || progress(done, total);
    });
    if (!finished) {
        out.cancel();
        return ExportResult::Cancelled;
    }
    out.commit();
    if (progress) {
        progress(total, total);
    }
    return ExportResult::Written;
}

} // namespace folio::journal
