#include "bank/import_writer.h"
#include "bank/bank_store.h"
#include "journal/file_image.h"
#include <QFileInfo>
#include <QHash>

namespace folio::bank {

namespace {

QHash<QString, int> recordsByName(journal::BooksFile file) {
    QHash<QString, int> found;
    const std::vector<AccountRecord> records = journal::recordsOf(journal::readImage(file));
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!records[i].name.isEmpty() && !found.contains(records[i].name)) {
            found.insert(records[i].name, static_cast<int>(i) + 1);
        }
    }
    return found;
}

int recordOf(const QHash<QString, int>& records, const QString& name) {
    const auto found = records.constFind(name);
    if (found == records.cend()) {
        throw journal::Refused(QStringLiteral("The account %1 is not in the books.").arg(name));
    }
    return *found;
}

} // namespace

std::int64_t writeImport(journal::BooksJournal& journal, journal::BooksFile file,
                         const ImportPlan& plan, const QString& source) {
    if (plan.includedCount() == 0) {
        return 0;
    }
    const QHash<QString, int> records = recordsByName(file);
    const int bank = recordOf(records, plan.bankAccount);
    std::vector<journal::AmountLine> lines;
    lines.reserve(plan.includedCount() * 2);
    QDate last;
    for (const PlannedLine& planned : plan.lines) {
        if (!planned.included) {
            continue;
        }
        const Money amount = planned.line.amount.roundedToCents();
        const Money size = amount.isNegative() ? -amount : amount;
        const int other = recordOf(records, planned.account);
        if (amount.isNegative()) {
            lines.push_back({bank, {}, size});
            lines.push_back({other, size, {}});
        } else {
            lines.push_back({bank, size, {}});
            lines.push_back({other, {}, size});
        }
        last = std::max(last, planned.line.date);
    }
    const journal::EntryNote note{last, QStringLiteral("Bank statement %1 into %2")
                                            .arg(QFileInfo(source).fileName(), plan.bankAccount)};
    const std::int64_t seq = journal.postBalanced(file, note, lines, journal::EntryKind::Import);
    if (seq != 0 && journal.isOpen()) {
        BankStore(journal.store()).recordImport(seq, plan, source);
    }
    return seq;
}

} // namespace folio::bank
