// The journal window, the balanced entry and the exports of the Journal menu.
#include "app/journal_menu.h"
#include "data/export_file.h"
#include "journal/balanced_entry_dialog.h"
#include "journal/csv_export.h"
#include "journal/export_dialog.h"
#include "journal/journal_window.h"
#include "journal/ledger_export.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"

namespace folio::app {

void JournalMenu::showJournal() {
    if (!journalReady()) {
        return;
    }
    if (!journalWindow_) {
        journalWindow_ = new journal::JournalWindow(
            session_.journalStore(), dialogs_,
            [this](std::int64_t seq, const QString& reason, const QDate& date) {
                return reverse(seq, reason, date);
            },
            &window_);
        journalWindow_->setAttribute(Qt::WA_DeleteOnClose);
    }
    QStringList names;
    ui::runReported(dialogs_, [this, &names] {
        for (const AccountRecord& account : session_.books().read().records) {
            names << account.name;
        }
    });
    journalWindow_->setAccounts(names);
    journalWindow_->reload();
    journalWindow_->show();
    journalWindow_->raise();
    journalWindow_->activateWindow();
}

bool JournalMenu::reverse(std::int64_t seq, const QString& reason, const QDate& date) {
    QDate dated = date;
    return ui::runRedated(dialogs_, dated,
                          [&](const QDate& on) { return session_.reverse(seq, reason, on); })
        .succeeded();
}

void JournalMenu::enterBalancedEntry() {
    if (!session_.books().isSelected()) {
        return;
    }
    std::vector<journal::BalancedEntryDialog::Account> accounts;
    if (!ui::runReported(dialogs_, [this, &accounts] {
            const AccountTable table = session_.books().read();
            for (int record : table.listed()) {
                const AccountRecord& account = table.records[static_cast<std::size_t>(record - 1)];
                accounts.push_back({record, account.name, account.type});
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
    QDate date = note.date;
    return ui::runRedated(dialogs_, date,
                          [&](const QDate& dated) {
                              return session_.postBalanced({dated, note.memo}, lines);
                          })
        .succeeded();
}

void JournalMenu::exportJournalCsv() {
    if (!journalReady()) {
        return;
    }
    if (const auto path = dialogs_.saveFileName(
            QStringLiteral("Export the Journal as CSV"),
            session_.nearbyPath() + QStringLiteral(".csv"),
            {QStringLiteral("CSV files (*.csv)"), QStringLiteral("All Files (*)")})) {
        exportTo(*path, false);
    }
}

void JournalMenu::exportJournalLedger() {
    if (!journalReady()) {
        return;
    }
    if (const auto path =
            dialogs_.saveFileName(QStringLiteral("Export the Journal for hledger or ledger"),
                                  session_.nearbyPath() + QStringLiteral(".ledger"),
                                  {QStringLiteral("Journal files (*.ledger *.hledger)"),
                                   QStringLiteral("All Files (*)")})) {
        exportTo(*path, true);
    }
}

void JournalMenu::exportTo(const QString& path, bool ledger) {
    const QString books = session_.books().path();
    if (const auto refusal = exportRefusal(path, books)) {
        dialogs_.message(*refusal);
        return;
    }
    journal::ExportResult result = journal::ExportResult::Cancelled;
    const QString title = QStringLiteral("Exporting the journal to %1").arg(path);
    bool written = false;
    try {
        written = ui::runReported(dialogs_, [&] {
            result = journal::exportWithProgress(
                &window_, title, [&](const journal::ExportProgress& progress) {
                    return ledger
                               ? journal::exportLedger(session_.journalStore(), path, books,
                                                       progress)
                               : journal::exportCsv(session_.journalStore(), path, books, progress);
                });
        });
    } catch (const ExportRefused& refused) {
        dialogs_.message(refused.words());
    }
    if (!written) {
        return;
    }
    dialogs_.message(
        result == journal::ExportResult::Written
            ? QStringLiteral("The journal was exported to\n%1").arg(path)
            : QStringLiteral("The export was cancelled; %1 was not written.").arg(path));
}

} // namespace folio::app
