// The journal window, the balanced entry and the exports of the Journal menu.
#include "app/journal_menu.h"
#include "data/books.h"
#include "data/file_error.h"
#include "journal/balanced_entry_dialog.h"
#include "journal/csv_export.h"
#include "journal/export_dialog.h"
#include "journal/journal_window.h"
#include "journal/ledger_export.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"

namespace folio::app {

void JournalMenu::mnuJournal_Click() {
    if (!journalReady()) {
        return;
    }
    if (!journalWindow_) {
        journalWindow_ = new journal::JournalWindow(
            journal_.store(), dialogs_,
            [this](std::int64_t seq, const QString& reason) { return reverse(seq, reason); },
            &window_);
        journalWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    QStringList names;
    ui::runReported(dialogs_, [this, &names] {
        for (const AccountRecord& account : books_.read().records) {
            names << account.name;
        }
    });
    journalWindow_->setAccounts(names);
    journalWindow_->reload();
    journalWindow_->show();
    journalWindow_->raise();
    journalWindow_->activateWindow();
}

bool JournalMenu::reverse(std::int64_t seq, const QString& reason) {
    bool reversed = false;
    QDate date = QDate::currentDate();
    change([&] {
        reversed = ui::runRedated(dialogs_, date, [&] {
            journal_.reverse(journal::booksFile(books_), seq, reason, date);
        });
    });
    return reversed;
}

void JournalMenu::mnuBalancedEntry_Click() {
    if (!books_.isSelected()) {
        return;
    }
    std::vector<journal::BalancedEntryDialog::Account> accounts;
    if (!ui::runReported(dialogs_, [this, &accounts] {
            const AccountTable table = books_.read();
            for (int record : table.listed()) {
                accounts.push_back(
                    {record, table.records[static_cast<std::size_t>(record - 1)].name});
            }
        })) {
        return;
    }
    journal::BalancedEntryDialog dialog(accounts, &window_);
    if (dialog.exec() == QDialog::Accepted) {
        postBalanced(dialog.note().value_or(journal::EntryNote{}), dialog.lines());
    }
}

bool JournalMenu::postBalanced(const journal::EntryNote& note,
                               const std::vector<journal::AmountLine>& lines) {
    bool posted = false;
    journal::EntryNote dated = note;
    change([&] {
        journal::BooksJournal none; // without a journal the entry is written all the same
        journal::BooksJournal& target = journal_.isOpen() ? journal_ : none;
        posted = ui::runRedated(dialogs_, dated.date, [&] {
            target.postBalanced(journal::booksFile(books_), dated, lines);
        });
    });
    return posted;
}

void JournalMenu::mnuExportCsv_Click() {
    if (!journalReady()) {
        return;
    }
    if (const auto path = dialogs_.saveFileName(
            QStringLiteral("Export the Journal as CSV"), books_.path() + QStringLiteral(".csv"),
            {QStringLiteral("CSV files (*.csv)"), QStringLiteral("All Files (*)")})) {
        exportTo(*path, false);
    }
}

void JournalMenu::mnuExportLedger_Click() {
    if (!journalReady()) {
        return;
    }
    if (const auto path =
            dialogs_.saveFileName(QStringLiteral("Export the Journal for hledger or ledger"),
                                  books_.path() + QStringLiteral(".ledger"),
                                  {QStringLiteral("Journal files (*.ledger *.journal)"),
                                   QStringLiteral("All Files (*)")})) {
        exportTo(*path, true);
    }
}

void JournalMenu::exportTo(const QString& path, bool ledger) {
    journal::ExportResult result = journal::ExportResult::Cancelled;
    const QString title = QStringLiteral("Exporting the journal to %1").arg(path);
    const bool written = ui::runReported(dialogs_, [&] {
        result = journal::exportWithProgress(
            &window_, title, [&](const journal::ExportProgress& progress) {
                return ledger ? journal::exportLedger(journal_.store(), path, progress)
                              : journal::exportCsv(journal_.store(), path, progress);
            });
    });
    if (!written) {
        return;
    }
    dialogs_.message(
        result == journal::ExportResult::Written
            ? QStringLiteral("The journal was exported to\n%1").arg(path)
            : QStringLiteral("The export was cancelled; %1 was not written.").arg(path));
}

} // namespace folio::app
