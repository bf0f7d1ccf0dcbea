#include "closing/book_closer.h"
#include "data/books.h"
#include "data/file_error.h"
#include "data/file_lock.h"
#include "data/file_messages.h"
#include "data/file_table.h"
#include "data/text_rules.h"
#include "journal/journal_reads.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"

namespace folio::closing {

namespace {

QString kindName(ClosingKind kind) {
    return kind == ClosingKind::Monthly ? QStringLiteral("monthly") : QStringLiteral("yearly");
}

} // namespace

QString closingQuestion(ClosingKind kind, const QString& selected, const QString& target) {
    return QStringLiteral("Close the %1 books?\n\nThe closed books will be written to\n%2\n\n"
                          "The selected file %3 is not changed.")
        .arg(kindName(kind), target, selected);
}

void BookCloser::close(ClosingKind kind) {
    std::optional<statements::Statements> s;
    if (!ui::runReported(ctx_.dialogs, [&] {
            s = statements::computeStatements(ctx_.books.read(), ctx_.company);
        })) {
        return;
    }
    if (s->missing != statements::Missing::Nothing) {
        ctx_.dialogs.message(
            statements::missingInputMessage(s->missing, QStringLiteral("balance sheet")));
        return;
    }
    const QString selected = ctx_.books.path();
    const QString target = closedPath(selected, kind);
    // Server books and their closed copy are named by their addresses.
    const QString shownSelected = ctx_.session.shownNameOf(selected);
    const QString shownTarget = ctx_.session.shownNameOf(target);
    if (!ctx_.dialogs.askYesNo(closingQuestion(kind, shownSelected, shownTarget))) {
        return;
    }
    const std::vector<AccountRecord> closed = closeBooks(s->table, kind, *s->closing);
    // A closed copy already there is held from this check to the last rename: no other
    // Folio can open it, or its journal, while the closing replaces them. (A missing one is
    // not created for the lock: a closing stopped part way leaves no copy behind.)
    FileLock copyLock;
    FileLock::Claim claim = FileLock::Claim::HeldElsewhere;
    if (!ui::runReported(ctx_.dialogs, [&] { claim = copyLock.claim(target, false); })) {
        return;
    }
    if (claim == FileLock::Claim::HeldElsewhere) { // another Folio works on the closed copy
        ctx_.dialogs.message(heldElsewhereMessage(target), ui::MessageIcon::Critical);
        return;
    }
    if (const QString work = journal::closedCopyWork(target); !work.isEmpty()) {
        ctx_.dialogs.message(QStringLiteral("The books were not closed: the closed copy\n%1\n"
                                            "would be replaced, and %2.\n\nRename or move the "
                                            "closed copy and its journal first to close again.")
                                 .arg(target, work),
                             ui::MessageIcon::Exclamation);
        return;
    }
    // The closed copy starts a journal of its own; these books' journal records the closing.
    const QString closing = QStringLiteral("%1 closing")
                                .arg(kind == ClosingKind::Monthly ? QStringLiteral("Monthly")
                                                                  : QStringLiteral("Yearly"));
    if (!ui::reportChange(ctx_.dialogs,
                          ctx_.session.close(closing, target, closed,
                                             readDate(ctx_.company.date).value_or(QDate())))) {
        return;
    }
    copyLock.release();
    ctx_.books.close();
    ctx_.dialogs.message(QStringLiteral("The %1 books were closed into\n%2\n\n%3 was not changed. "
                                        "Select the closed file to go on with the next period.")
                             .arg(kindName(kind), shownTarget, shownSelected));
    ctx_.window.hideTabs();
}

} // namespace folio::closing
