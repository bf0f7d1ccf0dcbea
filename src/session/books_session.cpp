#include "session/books_session.h"
#include "data/file_identity.h"
#include "journal/journal_files.h"
#include "journal/reconciled_guard.h"
#include "posting/posting_rules.h"
#include "session/server_home.h"
#include <QFileInfo>
#include <algorithm>

namespace folio::session {

namespace {
// The largest books the journal records: its opening entry holds an image of every record.
constexpr qint64 kJournalLimit = qint64{1000000} * static_cast<qint64>(RecordLayout::kRecordSize);
} // namespace

const ChangeResult& ChangeResult::orThrow() const {
    if (failed) {
        throw *failed;
    }
    if (refused) {
        throw journal::Refused(*refused);
    }
    return *this;
}

BooksSession::BooksSession() {
    // Connected first, so the count has moved on before any view hears of the change.
    connect(this, &BooksSession::changed, this, [this] { ++changeCount_; });
}
BooksSession::~BooksSession() = default;

QString BooksSession::noJournalMessage() {
    return QStringLiteral("These books have no journal open, so there is nothing to show or "
                          "take back. Select the file again to open its journal.");
}

QString BooksSession::journalPathFor(const QString& booksPath) {
    return journal::journalPathFor(booksPath);
}

std::vector<Notice> BooksSession::openJournal(const Progress& progress) {
    ++changeCount_; // other books, or a change a crash left pending finished now
    std::vector<Notice> notices;
    journal_.close();
    opening_ = {};
    if (QFileInfo(books_.path()).size() > kJournalLimit) {
        notices.push_back(
            {QStringLiteral("These books hold more than %L1 records, more than the journal keeps "
                            "before and after images of.\n\nFolio goes on without it: changes "
                            "are written to the books but not recorded, and Undo is not "
                            "available.")
                 .arg(kJournalLimit / RecordLayout::kRecordSize),
             true});
        return notices;
    }
    const auto withoutJournal = [&](const QString& why) {
        journal_.close();
        notices.push_back(
            {QStringLiteral("The journal of these books (%1) cannot be used: %2.\n\nFolio "
                            "goes on without it: changes are written to the books but not "
                            "recorded, and Undo is not available.")
                 .arg(journalPathFor(books_.path()), why),
             true});
    };
    try {
        opening_ = journal_.open(file(), progress);
    } catch (const journal::OpeningStopped&) {
        journal_.close();
        notices.push_back({QStringLiteral("The journal of these books was not made: you "
                                          "cancelled it.\n\nFolio goes on without it: changes "
                                          "are written to the books but not recorded, and Undo "
                                          "is not available. Select the file again to make it."),
                           true});
    } catch (const journal::JournalUnusable& unusable) {
        withoutJournal(unusable.why());
    } catch (const FileError& error) {
        withoutJournal(errorMessage(error.number()));
    }
    if (opening_.chainStarted) {
        notices.push_back(
            {QStringLiteral("This journal was written by an earlier Folio, which did not seal its "
                            "entries. From now on each entry records who made it and is sealed "
                            "to the entries before it, so that folio --verify finds any entry "
                            "changed or removed afterwards; the entries written so far are "
                            "sealed as they stand today."),
             false});
    }
    if (opening_.changedOutside) {
        notices.push_back(
            {QStringLiteral("These books were changed outside Folio since Folio last wrote "
                            "them. The journal goes on from the accounts as they are now, "
                            "recorded as new opening balances."),
             false});
    }
    if (hasJournal()) {
        try {
            journal::fillIn(company_, journal_.companyValues());
        } catch (const FileError&) {
        }
    }
    return notices;
}

void BooksSession::release() {
    ++changeCount_;
    keepCompanyValues();
    journal_.close();
    lock_.release();
    books_.forget();
    server_.reset();
}

void BooksSession::keepCompanyValues() {
    if (!hasJournal()) {
        return;
    }
    try {
        journal_.setCompanyValues(journal::companyValuesOf(company_));
        if (server_) {
            server_->push();
        }
    } catch (const FileError&) {
        // Only a convenience for the next session: the books themselves are not touched.
    } catch (const server::ServerError&) {
        // The same on the server (another client changed the books first, or it is gone).
    }
}

ChangeResult BooksSession::run(Origin origin, const std::function<std::int64_t()>& step,
                               bool repeatable) {
    ++changeCount_;
    if (server_) {
        return sendToServer(
            origin, [&] { return runHere(step); }, repeatable);
    }
    ChangeResult result = runHere(step);
    if (result.tookEffect) {
        emit changed(origin);
    }
    return result;
}

ChangeResult BooksSession::runHere(const std::function<std::int64_t()>& step) {
    ChangeResult result;
    try {
        result.seq = step();
        result.tookEffect = true;
    } catch (const journal::Refused& refused) {
        result.refused = refused.words();
        result.offered = refused.offered();
    } catch (const FileError& error) {
        result.failed = error;
        result.tookEffect = journal_.tookEffect();
    } catch (const MoneyOverflow&) {
        result.refused = posting::PostingRules::amountTooLargeMessage();
    }
    return result;
}

ChangeResult BooksSession::change(journal::EntryKind kind,
                                  const std::vector<journal::Change>& changes,
                                  const journal::EntryNote& note, Origin origin) {
    return run(origin, [&] {
        if (kind == journal::EntryKind::Balanced) {
            std::vector<journal::AmountLine> lines;
            for (const journal::Change& each : changes) {
                lines.push_back({each.record, each.debit, each.credit});
            }
            if (const auto problem = journal::balanceProblem(lines)) {
                throw journal::Refused(*problem);
            }
        }
        return journal_.record(file(), kind, note, changes);
    });
}

ChangeResult BooksSession::deleteAccount(int record, int count, const QString& name,
                                         const Progress& progress, Origin origin) {
    if (!hasJournal()) {
        // Streamed a chunk at a time into a private file beside the books, which then takes
        // their place: books too large for a journal need not fit in memory.
        ++changeCount_;
        const auto before = fileIdentity(books_.path());
        ChangeResult result;
        try {
            result.tookEffect = rewriteWithout(books_.path(), count, record, progress);
        } catch (const FileError& error) {
            result.failed = error;
            // A step after the rename (syncing the folder) may fail once the remaining
            // records are already in place; then the deletion has happened.
            result.tookEffect = fileIdentity(books_.path()) != before;
        }
        if (result.tookEffect) {
            emit changed(origin);
        }
        return result;
    }
    return run(origin, [&] {
        // The entry holds the record removed and where it was; every other record of the
        // file stays, the blank after the accounts too, whatever count the caller shows.
        std::vector<journal::Change> removal;
        if (record >= 1 && record <= count) {
            removal.push_back({record, std::nullopt, Money(), Money(), true});
        }
        return journal_.record(file(), journal::EntryKind::Deletion,
                               {QDate::currentDate(), QStringLiteral("Deleted %1").arg(name)},
                               removal);
    });
}

QString BooksSession::undoTitle() {
    try {
        return canUndo() ? journal_.undoTitle() : QString();
    } catch (const FileError&) {
        return {};
    }
}

QString BooksSession::redoTitle() {
    try {
        return canRedo() ? journal_.redoTitle() : QString();
    } catch (const FileError&) {
        return {};
    }
}

ChangeResult BooksSession::undo() {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    // Past a closing the journal refuses and says why.
    if (!journal_.canUndo() && !journal_.undoStoppedByClosing()) {
        return {};
    }
    // A reconciled line is changed only by a reversal (a closing in the way is named first).
    try {
        const auto held = journal_.canUndo()
                              ? journal::reconciledLineOf(journal_.store(), journal_.undoTarget())
                              : std::nullopt;
        if (held) {
            return refusal(*held);
        }
        if (const auto other = changeOfAnother()) {
            return refusal(*other);
        }
    } catch (const FileError& error) {
        ChangeResult result;
        result.failed = error;
        return result;
    }
    return run(Origin::Elsewhere, [this] { return journal_.undo(file()); });
}

ChangeResult BooksSession::redo() {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    // Past a closing the journal refuses and says why.
    if (!journal_.canRedo() && !journal_.redoStoppedByClosing()) {
        return {};
    }
    return run(Origin::Elsewhere, [this] { return journal_.redo(file()); });
}

std::optional<statements::CashFlowClasses> BooksSession::cashFlowClasses() {
    if (!hasJournal()) {
        return std::nullopt;
    }
    return journal::cashFlowClassesIn(journal_.store());
}

ChangeResult BooksSession::keepCashFlowClasses(const statements::CashFlowClasses& classes) {
    return keepRecords(
        [&](journal::JournalStore& store) { journal::keepCashFlowClasses(store, classes); });
}

ChangeResult BooksSession::keepRecords(const std::function<void(journal::JournalStore&)>& write) {
    if (!hasJournal()) {
        return refusal(noJournalMessage());
    }
    ChangeResult result;
    try {
        write(journal_.store());
        result.tookEffect = true;
        if (server_) {
            server_->push();
        }
    } catch (const journal::Refused& refused) {
        return refusal(refused.words());
    } catch (const FileError& error) {
        result.failed = error;
        if (server_ && refetch()) { // the working copy goes back to the server's books
            result.tookEffect = false;
        }
    } catch (const server::ServerError& error) {
        refetch();
        emit changed(Origin::OtherClient);
        return refusal(error.words());
    }
    return result;
}

namespace {

// Opens the journal of books this run does not hold open, only to read it: nothing is
// written, checkpointed or removed beside it, so a running Folio's log is never touched.
// False when the books have no journal.
bool openStored(const QString& path, journal::JournalStore& store) {
    const journal::JournalFiles files(path, false);
    if (!files.existed()) {
        return false;
    }
    store.openToRead(path, !files.hasLog());
    if (const auto pending = store.pending(); !pending.empty()) {
        throw journal::Refused(
            QStringLiteral("a change to these books (journal entry %1) is recorded in their "
                           "journal but not yet written to them; select the books in Folio to "
                           "finish it")
                .arg(pending.front().seq));
    }
    return true;
}

} // namespace

journal::CompanyValues BooksSession::storedCompanyValues(const QString& booksPath) {
    journal::JournalStore store;
    return openStored(journalPathFor(booksPath), store) ? journal::companyValuesIn(store)
                                                        : journal::CompanyValues{};
}

QString BooksSession::storedReopenedLine(const QString& booksPath) {
    journal::JournalStore store;
    if (!openStored(journalPathFor(booksPath), store)) {
        return {};
    }
    const auto reopened = journal::readPeriodLock(store).reopened;
    return reopened ? journal::reopenedLine(*reopened) : QString();
}

} // namespace folio::session
