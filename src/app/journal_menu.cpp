#include "app/journal_menu.h"
#include "data/account_record.h"
#include "data/books.h"
#include "data/file_error.h"
#include "journal/balanced_entry_dialog.h"
#include "journal/csv_export.h"
#include "journal/export_dialog.h"
#include "journal/journal_window.h"
#include "journal/ledger_export.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QFileInfo>
#include <QMenuBar>

namespace folio::app {

JournalMenu::JournalMenu(QWidget& window, Books& books, statements::CompanyInfo& company,
                         ui::Dialogs& dialogs, std::function<void()> refresh)
    : window_(window), books_(books), company_(company), dialogs_(dialogs),
      refresh_(std::move(refresh)) {}

JournalMenu::~JournalMenu() = default;

void JournalMenu::build(QMenuBar& menus) {
    QMenu* edit = menus.addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mnuUndo_ = edit->addAction(QStringLiteral("&Undo"));
    mnuUndo_->setObjectName(QStringLiteral("mnuUndo"));
    mnuUndo_->setShortcut(QKeySequence::Undo);
    mnuRedo_ = edit->addAction(QStringLiteral("&Redo"));
    mnuRedo_->setObjectName(QStringLiteral("mnuRedo"));
    mnuRedo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(mnuUndo_, &QAction::triggered, this, &JournalMenu::mnuUndo_Click);
    connect(mnuRedo_, &QAction::triggered, this, &JournalMenu::mnuRedo_Click);
    connect(edit, &QMenu::aboutToShow, this, &JournalMenu::updateActions);

    QMenu* menu = menus.addMenu(QStringLiteral("&Journal"));
    menu->setObjectName(QStringLiteral("mnuJournalMenu"));
    const struct {
        const char* name;
        const char* caption;
        QKeySequence keys;
        void (JournalMenu::*handler)();
    } items[] = {
        {"mnuJournal", "Show &Journal", QKeySequence(Qt::CTRL | Qt::Key_J),
         &JournalMenu::mnuJournal_Click},
        {"mnuBalancedEntry", "&Balanced Entry...", QKeySequence(Qt::CTRL | Qt::Key_B),
         &JournalMenu::mnuBalancedEntry_Click},
        {"mnuExportCsv", "Export as &CSV...", QKeySequence(), &JournalMenu::mnuExportCsv_Click},
        {"mnuExportLedger", "Export for &hledger or ledger...", QKeySequence(),
         &JournalMenu::mnuExportLedger_Click},
        {"mnuLockBooks", "&Lock Books Through...", QKeySequence(),
         &JournalMenu::mnuLockBooks_Click},
        {"mnuReopenPeriod", "&Reopen Period...", QKeySequence(),
         &JournalMenu::mnuReopenPeriod_Click},
        {"mnuCarryChanges", "Carr&y the Changes into the Closed Copy", QKeySequence(),
         &JournalMenu::mnuCarryChanges_Click},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(item.keys);
        connect(action, &QAction::triggered, this, item.handler);
        needBooks_ << action;
    }
    menu->insertSeparator(needBooks_[2]);
    menu->insertSeparator(needBooks_[4]);
    mnuCarryChanges_ = needBooks_[6];
    connect(menu, &QMenu::aboutToShow, this, &JournalMenu::updatePeriodActions);
    needBooks_ << mnuUndo_ << mnuRedo_;
    window_.addActions(needBooks_); // the shortcuts work while the menus are closed
    updateActions();
}

void JournalMenu::updateActions() {
    for (QAction* action : needBooks_) {
        action->setEnabled(books_.isSelected());
    }
    const bool open = books_.isSelected() && journal_.isOpen();
    QString undo;
    QString redo;
    try {
        undo = open && journal_.canUndo() ? journal_.undoTitle() : QString();
        redo = open && journal_.canRedo() ? journal_.redoTitle() : QString();
    } catch (const FileError&) {
    }
    // The menu names what Undo and Redo would do; with nothing to do they only beep, so
    // their shortcuts stay live whatever changed the books since the menu was last shown.
    mnuUndo_->setText(undo.isEmpty() ? QStringLiteral("&Undo") : QStringLiteral("&Undo ") + undo);
    mnuRedo_->setText(redo.isEmpty() ? QStringLiteral("&Redo") : QStringLiteral("&Redo ") + redo);
    updatePeriodActions();
}

namespace {
// The largest books the journal records: its entries hold whole-file images of a
// deletion, which past this size would not fit in memory comfortably.
constexpr qint64 kJournalLimit = qint64{1000000} * static_cast<qint64>(RecordLayout::kRecordSize);
} // namespace

void JournalMenu::booksSelected() {
    if (journalWindow_) {
        journalWindow_->close();
    }
    journal::BooksJournal::Opened opened;
    if (QFileInfo(books_.path()).size() > kJournalLimit) {
        journal_.close();
        dialogs_.message(
            QStringLiteral("These books hold more than %L1 records, more than the journal keeps "
                           "before and after images of.\n\nFolio goes on without it: changes are "
                           "written to the books but not recorded, and Undo is not available.")
                .arg(kJournalLimit / RecordLayout::kRecordSize),
            ui::MessageIcon::Exclamation);
        updateActions();
        return;
    }
    try {
        opened = journal_.open(journal::booksFile(books_));
    } catch (const FileError& error) {
        journal_.close();
        dialogs_.message(
            QStringLiteral("The journal of these books (%1) cannot be opened: %2.\n\nFolio "
                           "goes on without it: changes are written to the books but not "
                           "recorded, and Undo is not available.")
                .arg(journal::BooksJournal::pathFor(books_.path()), errorMessage(error.number())),
            ui::MessageIcon::Exclamation);
    }
    if (opened.chainStarted) {
        dialogs_.message(QStringLiteral(
            "This journal was written by an earlier Folio, which did not seal its entries. "
            "From now on each entry records who made it and is sealed to the entries before "
            "it, so that folio --verify finds any entry changed or removed afterwards; the "
            "entries written so far are sealed as they stand today."));
    }
    if (opened.changedOutside) {
        dialogs_.message(QStringLiteral(
            "These books were changed outside Folio since Folio last wrote them. The journal "
            "goes on from the accounts as they are now, recorded as new opening balances."));
    }
    if (journal_.isOpen()) {
        try {
            journal::fillIn(company_, journal_.companyValues());
        } catch (const FileError&) {
        }
    }
    showReopened();
    updateActions();
}

void JournalMenu::booksReleased() {
    if (journalWindow_) {
        journalWindow_->close();
    }
    keepCompanyValues();
    journal_.close();
    showReopened();
    updateActions();
}

void JournalMenu::keepCompanyValues() {
    if (!journal_.isOpen()) {
        return;
    }
    try {
        journal_.setCompanyValues(journal::companyValuesOf(company_));
    } catch (const FileError&) {
        // Only a convenience for the next session: the books themselves are not touched.
    }
}

bool JournalMenu::change(const std::function<void()>& step) {
    const bool done = ui::runReported(dialogs_, step); // a refusal is said there too
    refresh_();
    if (journalWindow_) {
        journalWindow_->reload();
    }
    updateActions();
    return done;
}

bool JournalMenu::journalReady() {
    if (!books_.isSelected()) {
        return false;
    }
    if (!journal_.isOpen()) {
        dialogs_.message(QStringLiteral("These books have no journal open, so there is "
                                        "nothing to show or take back. Select the file "
                                        "again to open its journal."));
        return false;
    }
    return true;
}

void JournalMenu::mnuUndo_Click() {
    if (!journalReady() || !journal_.canUndo()) {
        dialogs_.beep();
        return;
    }
    change([this] { journal_.undo(journal::booksFile(books_)); });
}

void JournalMenu::mnuRedo_Click() {
    if (!journalReady() || !journal_.canRedo()) {
        dialogs_.beep();
        return;
    }
    change([this] { journal_.redo(journal::booksFile(books_)); });
}

} // namespace folio::app
