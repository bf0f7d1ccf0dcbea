#include "journal/period_beginning.h"
#include <QRegularExpression>

namespace folio::journal {

namespace {

std::vector<AccountRecord> recordsOfEntry(const Entry& entry) {
    std::vector<AccountRecord> records;
    for (const Line& line : entry.lines) {
        if (line.record < 1 || !line.after) {
            continue;
        }
        const auto at = static_cast<std::size_t>(line.record);
        if (records.size() < at) {
            records.resize(at);
        }
        records[at - 1] = *line.after;
    }
    return records;
}

statements::MovedEntry movedLinesOf(const Entry& entry) {
    statements::MovedEntry moved;
    for (const Line& line : entry.lines) {
        if (!line.debit.isZero() || !line.credit.isZero()) {
            moved.push_back({line.name, line.type, line.debit, line.credit});
        }
    }
    return moved;
}

} // namespace

std::optional<ClosedFromNote> closedFromNote(const QString& memo) {
    static const QRegularExpression note(
        QStringLiteral("^(?:Monthly|Yearly) closing of (.+) on (\\S+)$"));
    const QRegularExpressionMatch match = note.match(memo);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return ClosedFromNote{match.captured(1), match.captured(2)};
}

std::optional<PeriodBeginning> periodBeginningIn(JournalStore& store) {
    std::optional<PeriodBeginning> beginning;
    store.scanApplied([&beginning](const Entry& entry) {
        if (!beginning) {
            if (!definesWholeFile(entry.kind)) {
                return false; // a journal that does not start with the books whole
            }
            beginning.emplace();
            beginning->closedCopy = entry.kind == EntryKind::ClosedFrom;
            beginning->records = recordsOfEntry(entry);
            beginning->made = entry.made;
            if (const auto note = closedFromNote(entry.memo); note && beginning->closedCopy) {
                beginning->closedFrom = note->path;
                beginning->closedFromAsText = note->when;
            }
            return true;
        }
        if (statements::MovedEntry moved = movedLinesOf(entry); moved.size() >= 2) {
            beginning->entries.push_back(std::move(moved));
        }
        return true;
    });
    return beginning;
}

} // namespace folio::journal
