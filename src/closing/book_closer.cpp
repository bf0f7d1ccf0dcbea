#include "closing/book_closer.h"
#include "data/books_state.h"
#include "data/company_values.h"
#include "data/file_lock.h"
#include "data/file_messages.h"
#include "data/file_table.h"
#include "data/text_rules.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"

void BookCloser::chkMonthly_Click() {
    closeBooks(ClosingKind::Monthly);
}

void BookCloser::chkYearly_Click() {
    closeBooks(ClosingKind::Yearly);
}

void BookCloser::closeBooks(ClosingKind kind) {
    AccountTable table;
    if (!readSelected(table)) {
        return;
    }
    if (table.truncated) {
        ctx_.dialogs.message(QStringLiteral("Folio closes files of at most 50 records. This "
                                            "file has more, so its books were not closed."));
        return;
    }
    const ClosedBooks closed = ::closeBooks(table.entries, kind, amountsOnScreen(kind));
    if (closed.missing) {
        reportMissing(*closed.missing);
        return;
    }
    BooksState& books = ctx_.books;
    const QString target = closedPath(books.SelectedFile, kind);
    bool held = false;
    if (!runReported(ctx_.dialogs, [&] { held = folio::FileLock::isLocked(target); })) {
        return;
    }
    if (held) { // another Folio works on the closed copy: it stays as it is
        ctx_.dialogs.message(folio::heldElsewhereMessage(target), MessageIcon::Critical);
        return;
    }
    if (!runReported(ctx_.dialogs, [&] { FileTable::replaceWhole(target, closed.records); })) {
        return;
    }
    books.files.closeAll();
    books.SelectedFile = target;
    books.CurrentRecord = 0;
    books.RecordCount = 0;
    ctx_.window.hideTabs();
}

bool BookCloser::readSelected(AccountTable& table) {
    BooksState& books = ctx_.books;
    return runReported(ctx_.dialogs, [&] {
        books.reopen();
        const int n = books.files.recordCount(books.FileNumber);
        books.RecordCount = n;
        books.CurrentRecord = 1;
        table = AccountTable::read(books.files, books.FileNumber, n);
        books.CurrentRecord = n + 1;
        books.files.close(books.FileNumber);
    });
}

ClosingAmounts BookCloser::amountsOnScreen(ClosingKind kind) const {
    ClosingAmounts amounts;
    amounts.endCap = parseAmount(ctx_.window.boxText(QStringLiteral("txtEndCap")));
    if (kind == ClosingKind::Yearly) {
        amounts.ytdEndCap = parseAmount(ctx_.window.boxText(QStringLiteral("txtYtdEndCap")));
    }
    amounts.endingInventory = endingInventoryAmount(ctx_.books.EndingInventory);
    return amounts;
}

void BookCloser::reportMissing(NewBalance amount) {
    QString what;
    QString text;
    switch (amount) {
    case NewBalance::EndingInventory:
        what = QStringLiteral("ending inventory");
        text = ctx_.books.EndingInventory.value_or(QString());
        break;
    case NewBalance::YtdEndCap:
        what = QStringLiteral("year to date ending retained earnings");
        text = ctx_.window.boxText(QStringLiteral("txtYtdEndCap"));
        break;
    default:
        what = QStringLiteral("ending retained earnings");
        text = ctx_.window.boxText(QStringLiteral("txtEndCap"));
        break;
    }
    ctx_.dialogs.message(notANumberMessage(what, text));
}
