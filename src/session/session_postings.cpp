// The changes the user asks for by amounts: postings, balanced entries and reversals.
#include "data/file_table.h"
#include "posting/posting_rules.h"
#include "session/books_session.h"
#include <map>

namespace folio::session {

namespace {

using journal::Line;
using journal::Refused;

// Where an account of an earlier entry stands now: at its old number when the name there
// is still the same, else at the first record of that name.
std::optional<int> recordNow(const std::vector<AccountRecord>& records, const Line& line) {
    const auto same = [&records, &line](int record) {
        return record >= 1 && record <= static_cast<int>(records.size()) &&
               records[static_cast<std::size_t>(record - 1)].name == line.name;
    };
    if (same(line.record)) {
        return line.record;
    }
    for (int record = 1; record <= static_cast<int>(records.size()); ++record) {
        if (same(record)) {
            return record;
        }
    }
    return std::nullopt;
}

} // namespace

// The changes that give each line's record the balances after its debit and credit,
// reading each record as the earlier lines left it.
std::vector<journal::Change>
BooksSession::postedChanges(const std::vector<journal::AmountLine>& lines) {
    namespace PostingRules = posting::PostingRules;
    std::map<int, AccountRecord> working;
    std::vector<journal::Change> changes;
    const int count = books_.recordCount();
    for (const journal::AmountLine& line : lines) {
        if (line.record < 1 || line.record > count) {
            throw Refused(QStringLiteral("There is no account at record %1.").arg(line.record));
        }
        if (!working.contains(line.record)) {
            working[line.record] = books_.get(line.record);
        }
        AccountRecord& account = working[line.record];
        if (!PostingRules::canPost(account.type)) {
            throw Refused(PostingRules::cannotPostMessage(account));
        }
        try {
            account.setBalances(
                PostingRules::posted(account.balances(), account.type, line.debit, line.credit));
        } catch (const MoneyOverflow&) {
            throw Refused(PostingRules::amountTooLargeMessage());
        }
        changes.push_back({line.record, account, line.debit, line.credit});
    }
    return changes;
}

ChangeResult BooksSession::post(const journal::EntryNote& note, const journal::AmountLine& line,
                                std::optional<int> blankSlot, Origin origin) {
    return run(origin, [&] {
        std::vector<journal::Change> changes = postedChanges({line});
        // The blank record after the accounts goes with the posting, so Undo takes both back.
        if (blankSlot) {
            changes.push_back({*blankSlot, AccountRecord::blank(), Money(), Money()});
        }
        return journal_.record(file(), journal::EntryKind::Posting, note, changes);
    });
}

ChangeResult BooksSession::postBalanced(const journal::EntryNote& note,
                                        const std::vector<journal::AmountLine>& lines) {
    return run(Origin::Elsewhere, [&] {
        if (const auto problem = journal::balanceProblem(lines)) {
            throw Refused(*problem);
        }
        std::vector<journal::AmountLine> cents = lines;
        for (journal::AmountLine& each : cents) {
            each.debit = each.debit.roundedToCents();
            each.credit = each.credit.roundedToCents();
        }
        return journal_.record(file(), journal::EntryKind::Balanced, note, postedChanges(cents));
    });
}

ChangeResult BooksSession::reverse(std::int64_t seq, const QString& reason, const QDate& date) {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    return run(Origin::Elsewhere, [&] {
        using journal::EntryKind;
        using journal::JournalStore;
        if (reason.trimmed().isEmpty()) {
            throw Refused(QStringLiteral("Give the reason for the reversal."));
        }
        JournalStore& store = journal_.store();
        const std::optional<journal::Entry> reversed = store.entry(seq);
        if (!reversed ||
            (reversed->kind != EntryKind::Posting && reversed->kind != EntryKind::Balanced)) {
            throw Refused(QStringLiteral("Only a posting or a balanced entry can be reversed."));
        }
        if (store.status(seq) != JournalStore::Status::Applied) {
            throw Refused(QStringLiteral("This entry never reached the books."));
        }
        if (const auto by = store.reversedBy(seq)) {
            throw Refused(
                QStringLiteral("Entry %1 was reversed already by entry %2.").arg(seq).arg(*by));
        }
        if (store.takenBack(seq)) {
            throw Refused(QStringLiteral("Entry %1 was taken back with Undo.").arg(seq));
        }
        const std::vector<AccountRecord> records = books_.read().records;
        std::vector<journal::AmountLine> opposite;
        for (const Line& line : reversed->lines) {
            if (line.debit.isZero() && line.credit.isZero()) {
                continue;
            }
            const std::optional<int> now = recordNow(records, line);
            if (!now) {
                throw Refused(
                    QStringLiteral("The account %1 is no longer in the books.").arg(line.name));
            }
            opposite.push_back({*now, line.credit, line.debit});
        }
        return journal_.record(file(), EntryKind::Reversal, {date, reason.trimmed()},
                               postedChanges(opposite), seq);
    });
}

} // namespace folio::session
