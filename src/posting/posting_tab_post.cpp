// The posting of a debit or credit to the account chosen in the grid.
#include "data/books.h"
#include "data/file_error.h"
#include "data/text_rules.h"
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

void PostingTab::cmdOKPost_Click() {
    if (!chosen_) {
        cmdOKPost_->setEnabled(false);
        return;
    }
    const Chosen chosen = *chosen_;
    const std::optional<Money> debit = typedAmount(txtPostDebit_, QStringLiteral("debit"));
    if (!debit) {
        return;
    }
    const std::optional<Money> credit = typedAmount(txtPostCredit_, QStringLiteral("credit"));
    if (!credit) {
        return;
    }
    Amounts written;
    if (!writePosting(chosen, *debit, *credit, written)) {
        return; // nothing reached the file: the grid and the boxes still show what it holds
    }
    table_.records[static_cast<std::size_t>(chosen.record - 1)].setBalances(written);
    MSFlexGrid3_->accounts().setBalances(chosen.row, written);
    txtPostDebit_->clear();
    txtPostCredit_->clear();
    clearBoxes();
    chosen_.reset();
    // No row stays chosen: choosing the same account again chooses it afresh.
    MSFlexGrid3_->selectionModel()->clear();
    cmdOKPost_->setEnabled(false);
    ui::runReported(ctx_.dialogs, [this] { writeBlankAfterAccounts(); });
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

bool PostingTab::writePosting(const Chosen& chosen, Money debit, Money credit, Amounts& written) {
    Books& books = ctx_.books;
    AccountRecord account;
    bool read = ui::runReported(ctx_.dialogs, [&] { account = books.get(chosen.record); });
    if (!read) {
        return false;
    }
    if (!PostingRules::canPost(account.type)) {
        ctx_.dialogs.message(PostingRules::cannotPostMessage(account));
        return false;
    }
    try {
        written = PostingRules::posted(account.balances(), account.type, debit, credit);
    } catch (const MoneyOverflow&) {
        ctx_.dialogs.message(PostingRules::amountTooLargeMessage());
        return false;
    }
    account.setBalances(written);
    if (ui::runReported(ctx_.dialogs, [&] { books.put(chosen.record, account); })) {
        return true;
    }
    // A write whose sync failed has still reached the file: it is shown as posted, so
    // the user does not post the same amount twice.
    try {
        return books.get(chosen.record).balances() == written;
    } catch (const FileError&) {
        return false;
    }
}

void PostingTab::writeBlankAfterAccounts() {
    if (const std::optional<int> slot = PostingRules::blankSlot(table_, listed_)) {
        ctx_.books.put(*slot, AccountRecord::blank());
        if (*slot > static_cast<int>(table_.records.size())) {
            table_.records.resize(static_cast<std::size_t>(*slot));
        }
    }
}

} // namespace folio::posting
