// The Journal menu's lock of the books: Lock Books Through..., Reopen Period... and the
// carrying of a reopened period's changes into its closed copy.
#include "app/journal_menu.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"
#include "statements/company_info.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QAction>
#include <QFileInfo>

namespace folio::app {

void JournalMenu::showReopened() {
    const auto& reopened = session_.periodLock().reopened;
    session_.company().reopened =
        session_.hasJournal() && reopened ? journal::reopenedLine(*reopened) : QString();
}

void JournalMenu::lockBooksThrough() {
    if (!journalReady()) {
        return;
    }
    const auto& locked = session_.periodLock().lockedThrough;
    const QString typed = dialogs_.inputBox(
        QStringLiteral("Lock the books through which date?\n\nNo entry may then be dated on or "
                       "before it, as after filing the taxes of a period. The lock date only "
                       "moves forward.%1")
            .arg(locked ? QStringLiteral("\n\nThe books are locked through %1 now.")
                              .arg(journal::lockDateText(*locked))
                        : QString()),
        QStringLiteral("Lock Books Through"));
    if (typed.trimmed().isEmpty()) {
        return;
    }
    const std::optional<QDate> through = readDate(typed);
    if (!through) {
        dialogs_.message(journal::notADateMessage(typed));
        return;
    }
    if (ui::reportChange(dialogs_, session_.lockThrough(*through))) {
        dialogs_.message(QStringLiteral("The books are locked through %1: no entry may be dated "
                                        "on or before it.")
                             .arg(journal::lockDateText(*through)));
    }
}

void JournalMenu::reopenClosedPeriod() {
    if (!journalReady()) {
        return;
    }
    const QString reason = dialogs_.inputBox(
        QStringLiteral("Why is the period reopened?\n\nThe reason is kept in the journal with "
                       "your name and the time, and printed under the heading of these books' "
                       "statements."),
        QStringLiteral("Reopen Period"));
    if (reason.trimmed().isEmpty()) {
        dialogs_.message(QStringLiteral("A period is reopened only with a reason; the books "
                                        "stay as they were."));
        return;
    }
    if (ui::reportChange(dialogs_, session_.reopen(reason))) {
        showReopened();
        dialogs_.message(QStringLiteral("The period is reopened: the books can be changed until "
                                        "they are closed or locked again."));
    }
}

void JournalMenu::carryChangesForward() {
    const auto& reopened = session_.periodLock().reopened;
    if (!journalReady() || !reopened || !reopened->closing || session_.periodLock().closedWhole) {
        dialogs_.beep();
        return;
    }
    const QString copy = session_.shownNameOf(reopened->closing->closedCopy);
    if (!dialogs_.askYesNo(
            QStringLiteral("Carry the changes into %1?\n\nFolio closes these books as they "
                           "were when reopened and as they are now, and records the difference "
                           "in the closed copy as one prior-period adjustment, dated the day "
                           "after its closed period; the copy's own postings stay. Then these "
                           "books are closed again.")
                .arg(copy))) {
        return;
    }
    const session::ChangeResult result = session_.carryChanges();
    if (ui::reportChange(dialogs_, result)) {
        showReopened();
        dialogs_.message(
            result.seq == 0
                ? QStringLiteral("The changes leave the closed copy as it was; these books "
                                 "are closed again.")
                : QStringLiteral("The changes were carried into\n%1\nas its entry %2. These "
                                 "books are closed again.")
                      .arg(copy)
                      .arg(result.seq));
    }
}

void JournalMenu::updatePeriodActions() {
    const auto& reopened = session_.periodLock().reopened;
    const bool carries = session_.books().isSelected() && session_.hasJournal() && reopened &&
                         reopened->closing && !session_.periodLock().closedWhole;
    carryChangesAction_->setVisible(carries);
    carryChangesAction_->setEnabled(carries);
    carryChangesAction_->setText(carries
                                     ? QStringLiteral("Carr&y the Changes into %1")
                                           .arg(QFileInfo(reopened->closing->closedCopy).fileName())
                                     : QStringLiteral("Carr&y the Changes into the Closed Copy"));
}

} // namespace folio::app
