// The closings of the books, their locks and reopenings.
#include "session/books_session.h"
#include "session/closed_copy_carry.h"
#include "session/server_home.h"

namespace folio::session {

ChangeResult BooksSession::close(const QString& closingName, const QString& closedPath,
                                 const std::vector<AccountRecord>& records,
                                 const QDate& closedThrough) {
    ++changeCount_;
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

ChangeResult BooksSession::carryChanges() {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    const auto& reopened = journal_.periodLock().reopened;
    const QString copy = reopened && reopened->closing ? reopened->closing->closedCopy : QString();
    const auto step = [this, &copy](journal::BooksJournal& books, journal::BooksFile file,
                                    const QString& copyPath) {
        return carryIntoClosedCopy(books, file, company_,
                                   {copyPath, shownName(), shownNameOf(copy)});
    };
    if (!server_ || copy.isEmpty()) {
        return run(Origin::Elsewhere, [&] { return step(journal_, file(), copy); });
    }
    // The closed copy is another set of books of the same database: the adjustment is made
    // in a working copy of it and sent in the transaction that closes these books again, so
    // the copy never holds it while these books stay open to carry it a second time.
    std::unique_ptr<ServerHome> copyHome;
    try {
        copyHome = server_->besideHome(copy);
    } catch (const server::ServerError& error) {
        return refusal(server_->shownText(error.words()));
    }
    ++changeCount_;
    const QString copyPath = copyHome->workingPath();
    return sendToServer(
        Origin::Elsewhere,
        [&] { return runHere([&] { return step(journal_, file(), copyPath); }); }, false, {},
        copyHome.get());
}

} // namespace folio::session
