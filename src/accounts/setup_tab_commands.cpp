#include "accounts/file_work_dialog.h"
#include "accounts/record_rules.h"
#include "accounts/setup_rules.h"
#include "accounts/setup_tab.h"
#include "data/books.h"
#include "data/name_search.h"
#include "data/text_rules.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QLineEdit>
#include <QListWidget>

// The setup tab's commands: New, Next, Previous, Search, Delete, the current-balance box
// and the two lists. Each one does its file work before it changes the tab's state, so a
// failed read or write is reported and leaves the shown record and the counters alone;
// a box that is refused stops the command before anything is written.

namespace folio::accounts {

void SetupTab::endReached(const QString& text) {
    ctx_.dialogs.beep();
    ctx_.dialogs.message(text, ui::MessageIcon::Exclamation);
}

void SetupTab::newAccount() {
    ui::runReported(ctx_.dialogs, [this] {
        if (!saveShownAccount()) {
            return;
        }
        Books& books = ctx_.books;
        const int records = books.recordCount();
        // A blank record at the end of the file (the one a posting leaves) takes the new
        // account, so no blank stays between the accounts.
        if (records > 0 && books.get(records).isBlank()) {
            showRecord(records, records);
        } else {
            ctx_.session
                .change(journal::EntryKind::NewAccount,
                        {{records + 1, AccountRecord::blank(), Money(), Money()}}, {},
                        session::Origin::ShownTab)
                .orThrow();
            showRecord(records + 1, records + 1);
        }
        nameBox_->setFocus(Qt::OtherFocusReason);
    });
}

void SetupTab::nextAccount() {
    if (current_ == count_) {
        endReached(QStringLiteral("End of File Encountered!"));
    } else {
        ui::runReported(ctx_.dialogs, [this] {
            if (saveShownAccount()) {
                showRecord(current_ + 1, count_);
            }
        });
    }
    nameBox_->setFocus();
}

void SetupTab::previousAccount() {
    if (current_ == 1) {
        endReached(QStringLiteral("Beginning of file encountered! "));
    } else {
        ui::runReported(ctx_.dialogs, [this] {
            if (saveShownAccount()) {
                showRecord(current_ - 1, count_);
            }
        });
    }
    nameBox_->setFocus();
}

void SetupTab::searchAccount() {
    const QString answer =
        ctx_.dialogs.inputBox(QStringLiteral("Enter name to search:"), QStringLiteral("Search"));
    if (!answer.isEmpty()) {
        const QString wanted = answer.toUpper();
        ui::runReported(ctx_.dialogs, [this, &wanted] {
            Books& books = ctx_.books;
            FileWorkDialog progress(this, QStringLiteral("Searching for ") + wanted);
            const NameSearch search =
                findNamed(books.files(), books.handle(), count_, wanted, progress.callback());
            if (search.stopped) {
                return; // the user stopped the search
            }
            const std::optional<int> found = search.found;
            if (!found) {
                ctx_.dialogs.message(SetupRules::notFoundMessage(wanted));
                return;
            }
            if (saveShownAccount()) {
                showRecord(*found, count_);
            }
        });
    }
    nameBox_->setFocus();
}

void SetupTab::deleteShownAccount() {
    if (const auto refusal = SetupRules::stillHasBalance(shown_)) {
        ctx_.dialogs.message(*refusal, ui::MessageIcon::Exclamation);
        return;
    }
    if (!ctx_.dialogs.askYesNo(SetupRules::deleteQuestion(shown_))) {
        return;
    }
    // The file is written again beside the books and put in their place, as one entry of
    // the journal when they have one, so Undo brings the account back at its place.
    FileWorkDialog progress(this, QStringLiteral("Deleting the record"));
    const session::ChangeResult result = ctx_.session.deleteAccount(
        current_, count_, shown_.name, progress.callback(), session::Origin::ShownTab);
    // A step after the rename (syncing the folder) may fail once the remaining records are
    // already in place; then the deletion has happened and the tab must follow it.
    if (!ui::reportChange(ctx_.dialogs, result)) {
        return;
    }
    showAfterDelete();
}

void SetupTab::showAfterDelete() {
    const SetupRules::Position now = SetupRules::afterDelete({current_, count_});
    current_ = now.currentRecord;
    count_ = now.recordCount;
    const bool shown = ui::runReported(ctx_.dialogs, [this, now] {
        ctx_.books.reopen();
        showRecord(now.currentRecord, now.recordCount);
    });
    if (!shown) {
        // The boxes still hold the deleted account; with the handle released no save can
        // write it over another record. Entering the tab again starts afresh.
        ctx_.books.close();
        display(now.currentRecord, now.recordCount, AccountRecord::blank());
        current_ = 0;
    }
}

void SetupTab::carryBalanceToYear() {
    const QString text = currentBalanceBox_->text();
    const std::optional<Money> amount =
        text.trimmed().isEmpty() ? std::optional<Money>(Money()) : parseAmount(text);
    if (amount) {
        // A balance typed for the period is the year's balance too, as a new account starts.
        ytdBalanceBox_->setText(RecordRules::boxText(*amount));
    }
    if (!ui::runReported(ctx_.dialogs, [this] { saveShownAccount(); })) {
        return;
    }
    if (amount) {
        currentBalanceBox_->setText(RecordRules::boxText(*amount));
    }
}

namespace {
// The entry chosen in a list: the selected one, which a screen reader may set without
// moving the list's current entry.
const QListWidgetItem* chosenEntry(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}
} // namespace

void SetupTab::chooseListedType() {
    if (const QListWidgetItem* chosen = chosenEntry(typeList_)) {
        if (const auto code = SetupRules::typeCodeOf(chosen->text())) {
            typeBox_->setText(*code);
        }
    }
    ui::runReported(ctx_.dialogs, [this] { saveShownAccount(); });
}

void SetupTab::chooseListedName() {
    if (const QListWidgetItem* chosen = chosenEntry(nameList_)) {
        if (SetupRules::isStandardName(chosen->text())) {
            nameBox_->setText(chosen->text());
        }
    }
}

} // namespace folio::accounts
