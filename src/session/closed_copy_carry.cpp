#include "session/closed_copy_carry.h"
#include "closing/carry_forward.h"
#include "closing/closing_rules.h"
#include "data/file_lock.h"
#include "data/file_messages.h"
#include "data/file_table.h"
#include "journal/file_image.h"
#include "statements/statement_chain.h"

namespace folio::session {

namespace {

std::vector<AccountRecord> closed(const QByteArray& image, closing::ClosingKind kind,
                                  const statements::CompanyInfo& company) {
    const statements::Statements s =
        statements::computeStatements(AccountTable{journal::recordsOf(image)}, company);
    if (s.missing != statements::Missing::Nothing || !s.closing) {
        throw journal::Refused(
            statements::missingInputMessage(s.missing, QStringLiteral("closing")));
    }
    return closing::closeBooks(s.table, kind, *s.closing);
}

} // namespace

std::int64_t carryIntoClosedCopy(journal::BooksJournal& books, journal::BooksFile file,
                                 const statements::CompanyInfo& company,
                                 const CarryPlaces& places) {
    const auto& reopened = books.periodLock().reopened;
    if (!reopened || !reopened->closing || books.periodLock().closedWhole) {
        throw journal::Refused(QStringLiteral("These books are not a reopened closing."));
    }
    const journal::ClosingLock& closing = *reopened->closing;
    const closing::ClosingKind kind = closing.closing.startsWith(QLatin1String("Yearly"))
                                          ? closing::ClosingKind::Yearly
                                          : closing::ClosingKind::Monthly;
    const std::vector<closing::CarriedAmount> carried =
        closing::carriedDifference(closed(books.imageBefore(reopened->entry), kind, company),
                                   closed(journal::readImage(file), kind, company));
    const QString& copyPath = places.copyPath;
    // Held while it is changed, so no other Folio opens it meanwhile.
    FileLock copyLock;
    if (copyLock.claim(copyPath, false) == FileLock::Claim::HeldElsewhere) {
        throw journal::Refused(heldElsewhereMessage(copyPath));
    }
    FileTable files;
    files.open(1, copyPath);
    journal::BooksJournal copy;
    const journal::BooksFile copyFile{files, 1, copyPath};
    copy.open(copyFile);
    const QDate through = copy.periodLock().closedThrough.value_or(QDate::currentDate());
    const journal::EntryNote note{
        through.addDays(1), QStringLiteral("Prior-period adjustment from %1, reopened because %2")
                                .arg(places.booksName, reopened->reason)};
    const std::int64_t seq = copy.record(
        copyFile, journal::EntryKind::Adjustment, note,
        journal::BooksJournal::wholeFile(
            journal::readImage(copyFile),
            closing::withCarried(journal::recordsOf(journal::readImage(copyFile)), carried)));
    copy.close();
    books.closeAgain(QStringLiteral("%1 closed again; its changes were carried into %2")
                         .arg(closing.closing, places.copyName));
    return seq;
}

} // namespace folio::session
