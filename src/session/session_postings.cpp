// The changes the user asks for by amounts: postings, balanced entries and reversals.
#include "data/file_table.h"
#include "posting/posting_rules.h"
#include "session/books_session.h"
#include <map>

namespace folio::session {

using journal::Line;
using journal::Refused;

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
    return run(
        origin,
        [&] {
            // One side of one account: both amounts, or neither, is refused before anything is
            // recorded (a balanced entry posts both sides of an entry).
            if (const auto refusal =
                    posting::PostingRules::amountsRefusal(line.debit, line.credit)) {
                throw Refused(*refusal);
            }
            std::vector<journal::Change> changes = postedChanges({line});
            // The blank record after the accounts goes with the posting, so Undo takes both back.
            if (blankSlot) {
                changes.push_back({*blankSlot, AccountRecord::blank(), Money(), Money()});
            }
            return journal_.record(file(), journal::EntryKind::Posting, note, changes);
        },
        true);
}

ChangeResult BooksSession::postBalanced(const journal::EntryNote& note,
                                        const std::vector<journal::AmountLine>& lines,
                                        journal::EntryKind kind, const Alongside& alongside) {
    return run(
        Origin::Elsewhere,
        [&] {
            if (const auto problem = journal::balanceProblem(lines)) {
                throw Refused(*problem);
            }
            if (alongside.check && hasJournal()) {
                alongside.check(journal_.store());
            }
            std::vector<journal::AmountLine> cents = lines;
            for (journal::AmountLine& each : cents) {
                each.debit = each.debit.roundedToCents();
                each.credit = each.credit.roundedToCents();
            }
            const std::int64_t seq = journal_.record(file(), kind, note, postedChanges(cents));
            if (alongside.keep && seq != 0 && hasJournal()) {
                alongside.keep(journal_.store(), seq);
            }
            return seq;
        },
        true);
}

ChangeResult BooksSession::reverse(std::int64_t seq, const QString& reason, const QDate& date) {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    return run(
        Origin::Elsewhere,
        [&] {
            using journal::EntryKind;
            using journal::JournalStore;
            if (reason.trimmed().isEmpty()) {
                throw Refused(QStringLiteral("Give the reason for the reversal."));
            }
            JournalStore& store = journal_.store();
            // A Redo stands for the change it put back, which is the one reversed.
            const std::optional<journal::Entry> reversed = journal_.changeOf(seq);
            if (!reversed ||
                (reversed->kind != EntryKind::Posting && reversed->kind != EntryKind::Balanced &&
                 reversed->kind != EntryKind::Import)) {
                throw Refused(
                    QStringLiteral("Only a posting or a balanced entry can be reversed."));
            }
            if (store.status(seq) != JournalStore::Status::Applied) {
                throw Refused(QStringLiteral("This entry never reached the books."));
            }
            if (const auto by = store.reversedBy(reversed->seq); by && journal_.stands(*by)) {
                throw Refused(
                    QStringLiteral("Entry %1 was reversed already by entry %2.").arg(seq).arg(*by));
            }
            // The change stands when the entry asked for was not taken back, or was put back.
            if (!journal_.stands(reversed->seq)) {
                throw Refused(QStringLiteral("Entry %1 was taken back with Undo.").arg(seq));
            }
            std::vector<journal::AmountLine> opposite;
            for (const Line& line : reversed->lines) {
                if (line.debit.isZero() && line.credit.isZero()) {
                    continue;
                }
                // The account's record followed through the later deletions and insertions.
                const std::optional<int> now = journal_.recordNow(reversed->seq, line.record);
                if (!now) {
                    throw Refused(
                        QStringLiteral("The account %1 is no longer in the books.").arg(line.name));
                }
                opposite.push_back({*now, line.credit, line.debit});
            }
            return journal_.record(file(), EntryKind::Reversal, {date, reason.trimmed()},
                                   postedChanges(opposite), reversed->seq);
        },
        true);
}

} // namespace folio::session
