#include "journal/entry.h"
#include <algorithm>
#include <array>
#include <utility>

namespace folio::journal {

namespace {
struct KindWords {
    EntryKind kind;
    const char* stored;
    const char* title;
};
constexpr std::array<KindWords, 15> kKinds{{
    {EntryKind::Opening, "opening", "Opening balances"},
    {EntryKind::Posting, "posting", "Posting"},
    {EntryKind::Balanced, "balanced", "Balanced entry"},
    {EntryKind::SetupEdit, "setup", "Account changed"},
    {EntryKind::NewAccount, "new", "New account"},
    {EntryKind::Deletion, "delete", "Account deleted"},
    {EntryKind::Closing, "closing", "Books closed"},
    {EntryKind::ClosedFrom, "closed-from", "Closed from"},
    {EntryKind::Reversal, "reversal", "Reversal"},
    {EntryKind::Undo, "undo", "Undo"},
    {EntryKind::Redo, "redo", "Redo"},
    {EntryKind::Lock, "lock", "Books locked"},
    {EntryKind::Reopen, "reopen", "Period reopened"},
    {EntryKind::Adjustment, "adjustment", "Prior-period adjustment"},
    {EntryKind::Import, "import", "Bank statement import"},
}};
} // namespace

QString kindName(EntryKind kind) {
    for (const KindWords& words : kKinds) {
        if (words.kind == kind) {
            return QString::fromLatin1(words.stored);
        }
    }
    return {};
}

std::optional<EntryKind> kindFromName(const QString& name) {
    for (const KindWords& words : kKinds) {
        if (name == QLatin1String(words.stored)) {
            return words.kind;
        }
    }
    return std::nullopt;
}

QString kindTitle(EntryKind kind) {
    for (const KindWords& words : kKinds) {
        if (words.kind == kind) {
            return QString::fromLatin1(words.title);
        }
    }
    return {};
}

bool isUndoable(EntryKind kind) {
    switch (kind) {
    case EntryKind::Posting:
    case EntryKind::Balanced:
    case EntryKind::SetupEdit:
    case EntryKind::NewAccount:
    case EntryKind::Deletion:
    case EntryKind::Reversal:
    case EntryKind::Import:
        return true;
    default:
        return false;
    }
}

std::vector<Line> linesOfImage(const QByteArray& image) {
    const qsizetype size = static_cast<qsizetype>(RecordLayout::kRecordSize);
    std::vector<Line> lines;
    lines.reserve(static_cast<std::size_t>(image.size() / size));
    for (qsizetype at = 0; at < image.size(); at += size) {
        lines.push_back(lineFor(static_cast<int>(at / size) + 1, std::nullopt,
                                AccountRecord::decodeBytes(image.mid(at, size))));
    }
    return lines;
}

Line lineFor(int record, const std::optional<AccountRecord>& before,
             const std::optional<AccountRecord>& after, Money debit, Money credit) {
    Line line;
    line.record = record;
    const AccountRecord& named = after ? *after : before ? *before : AccountRecord{};
    line.name = named.name;
    line.type = named.type;
    line.debit = debit;
    line.credit = credit;
    line.before = before;
    line.after = after;
    return line;
}

bool changesLength(const Entry& entry) {
    for (const Line& line : entry.lines) {
        if (line.before.has_value() != line.after.has_value()) {
            return true;
        }
    }
    return false;
}

bool movesRecords(const Entry& entry) {
    return std::any_of(entry.lines.begin(), entry.lines.end(),
                       [](const Line& line) { return line.moves; });
}

std::vector<Line> oppositeLines(const std::vector<Line>& lines) {
    std::vector<Line> opposite;
    opposite.reserve(lines.size());
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        Line line = lineFor(it->record, it->after, it->before, it->credit, it->debit);
        line.moves = it->moves;
        opposite.push_back(line);
    }
    return opposite;
}

} // namespace folio::journal
