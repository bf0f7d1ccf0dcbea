// The closings of the books, their locks and reopenings.
#include "session/books_session.h"

namespace folio::session {

ChangeResult BooksSession::close(const QString& closingName, const QString& closedPath,
                                 const std::vector<AccountRecord>& records,
                                 const QDate& closedThrough) {
    if (server_) {
        return sendToServer(
            Origin::Elsewhere,
            [&] { return closeHere(closingName, closedPath, records, closedThrough); }, false,
            {closedPath});
    }
    return closeHere(closingName, closedPath, records, closedThrough);
}

ChangeResult BooksSession::closeHere(const QString& closingName, const QString& closedPath,
                                     const std::vector<AccountRecord>& records,
                                     const QDate& closedThrough) {
    journal::CompanyValues carried = journal::companyValuesOf(company_);
    carried.statementsDate.clear(); // the next period has a date of its own
    const QDateTime made = QDateTime::currentDateTimeUtc();
    ChangeResult result;
    // These books' journal records the closing first, pending until the copy is written, so
    // a crash leaves it wholly done or not at all. Books without a journal have no record of
    // it to keep.
    std::int64_t seq = 0;
    if (hasJournal()) {
        try {
            seq = journal_.beginClosing(closingName, closedPath, made, company_.date);
        } catch (const FileError& error) {
            result.failed = error;
            return result;
        }
    }
    try {
        journal::BooksJournal::writeClosedCopy(closedPath, books_.path(), closingName, records,
                                               carried, made, closedThrough);
        result.tookEffect = true;
        result.seq = seq;
        if (hasJournal()) {
            // The accounts' cash-flow classes go on with the closed copy.
            journal::carryCashFlowClasses(journal_.store(), closedPath);
        }
    } catch (const FileError& error) {
        result.failed = error;
    }
    try {
        journal_.endClosing(seq, result.tookEffect);
    } catch (const FileError&) {
        // Left pending: the next opening settles it from the closed copy's journal.
    }
    return result;
}

ChangeResult BooksSession::lockThrough(const QDate& through) {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    return run(Origin::Elsewhere, [&] { return journal_.lockThrough(through); });
}

ChangeResult BooksSession::reopen(const QString& reason) {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    return run(Origin::Elsewhere, [&] { return journal_.reopen(reason); });
}

ChangeResult BooksSession::carryChanges(const CarryStep& step) {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    if (server_) {
        return refusal(QStringLiteral("Changes of reopened books on a server are not carried "
                                      "into their closed copy; post them there as well."));
    }
    return run(Origin::Elsewhere, [&] { return step(journal_, file()); });
}

} // namespace folio::session
