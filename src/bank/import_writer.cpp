#include "bank/import_writer.h"
#include "bank/bank_store.h"
#include "data/file_error.h"
#include "journal/file_image.h"
#include <QFileInfo>
#include <QHash>

namespace folio::bank {

namespace {

QHash<QString, int> recordsByName(Books& books) {
    QHash<QString, int> found;
    const std::vector<AccountRecord> records =
        journal::recordsOf(journal::readImage(journal::booksFile(books)));
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

// The lines of the entry, the bank account against the other account of each line.
std::vector<journal::AmountLine> importLines(Books& books, const ImportPlan& plan, QDate& first,
                                             QDate& last) {
    const QHash<QString, int> records = recordsByName(books);
    const int bank = recordOf(records, plan.bankAccount);
    std::vector<journal::AmountLine> lines;
    lines.reserve(plan.includedCount() * 2);
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
        first = first.isValid() ? std::min(first, planned.line.date) : planned.line.date;
    }
    return lines;
}

} // namespace

session::ChangeResult writeImport(session::BooksSession& session, const ImportPlan& plan,
                                  const QString& source) {
    if (plan.includedCount() == 0) {
        return {};
    }
    QDate first;
    QDate last;
    std::vector<journal::AmountLine> lines;
    try {
        lines = importLines(session.books(), plan, first, last);
    } catch (const journal::Refused& refused) {
        return session::refusal(refused.words());
    } catch (const FileError& error) {
        session::ChangeResult result;
        result.failed = error;
        return result;
    }
    // The entry carries the last line's date; a line dated in a locked period is refused
    // all the same.
    if (const auto locked = journal::lockRefusal(
            session.periodLock(), {journal::EntryKind::Import, first, false, 0, QDate()})) {
        return session::refusal(locked->words);
    }
    const journal::EntryNote note{last, QStringLiteral("Bank statement %1 into %2")
                                            .arg(QFileInfo(source).fileName(), plan.bankAccount)};
    // The duplicate check again on the books as they are when written (on server books,
    // made again when another client changed them first): lines another import took since
    // the preview are never imported twice.
    session::Alongside alongside;
    alongside.check = [&](journal::JournalStore& store) {
        if (const std::size_t taken =
                importedSince(plan, BankStore(store).history(plan.bankAccount))) {
            throw journal::Refused(
                QStringLiteral("%1 of these lines were imported into %2 meanwhile, by another "
                               "import, so nothing was imported. Import the statement again to "
                               "see what is new.")
                    .arg(taken)
                    .arg(plan.bankAccount));
        }
    };
    alongside.keep = [&](journal::JournalStore& store, std::int64_t seq) {
        BankStore(store).recordImport(seq, plan, source);
    };
    return session.postBalanced(note, lines, journal::EntryKind::Import, alongside);
}

} // namespace folio::bank
