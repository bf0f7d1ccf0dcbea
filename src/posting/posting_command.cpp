// The posting of a debit or credit to the account chosen in the grid.
#include "data/books_state.h"
#include "data/file_error.h"
#include "data/text_rules.h"
#include "posting/posting_rules.h"
#include "posting/posting_tab.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include "ui/flex_grid.h"
#include <QLineEdit>
#include <QPushButton>

using PostingRules::Balances;

void PostingTab::cmdOKPost_Click() {
    if (!chosen_) {
        cmdOKPost_->setEnabled(false);
        return;
    }
    const Chosen chosen = *chosen_;
    Balances balances;
    if (!balancesToPost(balances)) {
        return;
    }
    const bool written = runReported(ctx_.dialogs, [&] { writePosting(chosen, balances); });
    if (!written && !fileHolds(chosen, balances)) {
        return; // nothing reached the file: the grid and the boxes still show what it holds
    }
    MSFlexGrid3_->setCell(chosen.row, 3, formatCurrency(balances.current));
    MSFlexGrid3_->setCell(chosen.row, 4, formatCurrency(balances.ytd));
    txtPostDebit_->clear();
    txtPostCredit_->clear();
    clearBoxes();
    chosen_.reset();
    cmdOKPost_->setEnabled(false);
    if (written) {
        runReported(ctx_.dialogs, [this] { writeBlankAfterAccounts(); });
    }
}

bool PostingTab::balancesToPost(Balances& posted) {
    const std::optional<Money> debit = PostingRules::typedAmount(txtPostDebit_->text());
    const std::optional<Money> credit = PostingRules::typedAmount(txtPostCredit_->text());
    if (!debit || !credit) {
        ctx_.dialogs.message(PostingRules::amountTooLargeMessage());
        return false;
    }
    for (const QLineEdit* box : {txtCurrent_, txtYear_}) {
        if (!parseAmount(box->text())) {
            ctx_.dialogs.message(PostingRules::notABalanceMessage(box->text()));
            return false;
        }
    }
    const Balances shown{*parseAmount(txtCurrent_->text()), *parseAmount(txtYear_->text())};
    try {
        posted = PostingRules::posted(shown, txtType_->text(), *debit, *credit);
        return true;
    } catch (const MoneyOverflow&) {
        ctx_.dialogs.message(PostingRules::amountTooLargeMessage());
        return false;
    }
}

void PostingTab::writePosting(const Chosen& chosen, const Balances& balances) {
    BooksState& books = ctx_.books;
    AccountRecord account = AccountRecord::blank();
    account.setName(txtAccountToPost_->text());
    account.setAcctType(txtType_->text());
    account.CurrentBalance = balances.current;
    account.YtdBalance = balances.ytd;
    books.CurrentRecord = chosen.record;
    books.CurrentAccount = account;
    books.files.put(books.FileNumber, chosen.record, account);
}

bool PostingTab::fileHolds(const Chosen& chosen, const Balances& balances) {
    // A write whose sync failed has still reached the file: it is shown as posted, so
    // the user does not post the same amount twice.
    BooksState& books = ctx_.books;
    try {
        const AccountRecord held = books.files.get(books.FileNumber, chosen.record);
        return held.CurrentBalance == balances.current && held.YtdBalance == balances.ytd;
    } catch (const FileError&) {
        return false;
    }
}

void PostingTab::writeBlankAfterAccounts() {
    BooksState& books = ctx_.books;
    const int slot = books.RecordCount + 1;
    books.CurrentAccount = AccountRecord::blank();
    if (!books.files.get(books.FileNumber, slot).trimmedName().isEmpty()) {
        return; // an account stands there (a blank record lies before it): keep it
    }
    books.files.put(books.FileNumber, slot, books.CurrentAccount);
}
