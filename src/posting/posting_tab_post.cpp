// The posting of a debit or credit to the account chosen in the grid.
#include "data/books.h"
#include "data/file_error.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"
#include "posting/posting_rules.h"
#include "posting/posting_tab.h"
#include "ui/account_grid.h"
#include "ui/account_list_model.h"
#include "ui/amount_message.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QLineEdit>
#include <QPushButton>

namespace folio::posting {

void PostingTab::postToAccount() {
    if (!chosen_) {
        postButton_->setEnabled(false);
        return;
    }
    const Chosen chosen = *chosen_;
    const std::optional<Money> debit = typedAmount(debitBox_, QStringLiteral("debit"));
    if (!debit) {
        return;
    }
    const std::optional<Money> credit = typedAmount(creditBox_, QStringLiteral("credit"));
    if (!credit) {
        return;
    }
    if (const std::optional<QString> refusal = PostingRules::amountsRefusal(*debit, *credit)) {
        ctx_.dialogs.message(*refusal);
        debitBox_->setFocus();
        debitBox_->selectAll();
        return;
    }
    const std::optional<journal::EntryNote> note = typedNote();
    if (!note) {
        return;
    }
    const std::optional<int> blank = PostingRules::blankSlot(table_, listed_);
    Amounts written;
    if (!writePosting(chosen, *debit, *credit, *note, written)) {
        return; // nothing reached the file: the grid and the boxes still show what it holds
    }
    table_.records[static_cast<std::size_t>(chosen.record - 1)].setBalances(written);
    if (blank && *blank > static_cast<int>(table_.records.size())) {
        table_.records.resize(static_cast<std::size_t>(*blank));
    }
    accountGrid_->accounts().setBalances(chosen.row, written);
    // Emptied with their typing forgotten, so Undo's key now takes back the posting.
    for (QLineEdit* box : {debitBox_, creditBox_, memoBox_}) {
        box->setText(QString());
    }
    clearBoxes();
    chosen_.reset();
    // No row stays chosen: choosing the same account again chooses it afresh.
    accountGrid_->selectionModel()->clear();
    postButton_->setEnabled(false);
}

std::optional<journal::EntryNote> PostingTab::typedNote() {
    const QString text = dateBox_->text();
    const std::optional<QDate> date = readDate(text);
    if (!date) {
        ctx_.dialogs.message(journal::notADateMessage(text));
        dateBox_->setFocus();
        dateBox_->selectAll();
        return std::nullopt;
    }
    return journal::EntryNote{*date, memoBox_->text().trimmed()};
}

std::optional<Money> PostingTab::typedAmount(QLineEdit* box, const QString& name) {
    const QString text = box->text();
    if (text.trimmed().isEmpty()) {
        return Money();
    }
    const std::optional<Money> amount = parseAmount(text);
    if (!amount) {
        ctx_.dialogs.message(ui::amountRefusedMessage(name, text));
        box->setFocus();
        box->selectAll();
    }
    return amount;
}

bool PostingTab::writePosting(const Chosen& chosen, Money debit, Money credit,
                              const journal::EntryNote& note, Amounts& written) {
    QDate date = note.date;
    const session::ChangeResult result =
        ui::runRedated(ctx_.dialogs, date, [&](const QDate& dated) {
            return ctx_.session.post({dated, note.memo}, {chosen.record, debit, credit},
                                     PostingRules::blankSlot(table_, listed_),
                                     session::Origin::ShownTab);
        });
    // A write whose sync failed has still reached the file: it is shown as posted, so
    // the user does not post the same amount twice.
    if (!result.tookEffect) {
        return false;
    }
    // The balances the session wrote, worked out as it did from the record shown (every
    // change of these books goes through the session, so the shown record is the one it
    // changed); reading them back would be one more file operation that could fail after
    // the posting is safely in the books.
    const AccountRecord& shown = table_.records[static_cast<std::size_t>(chosen.record - 1)];
    written = PostingRules::posted(shown.balances(), shown.type, debit, credit);
    return true;
}

} // namespace folio::posting
