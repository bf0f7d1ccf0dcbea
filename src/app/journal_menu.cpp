#include "app/journal_menu.h"
#include "accounts/file_work_dialog.h"
#include "app/typing_undo.h"
#include "data/file_error.h"
#include "journal/journal_window.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QLineEdit>
#include <QMenuBar>

namespace folio::app {

JournalMenu::JournalMenu(QWidget& window, session::BooksSession& session, ui::Dialogs& dialogs)
    : window_(window), session_(session), dialogs_(dialogs) {
    connect(&session_, &session::BooksSession::changed, this, &JournalMenu::booksChanged);
}

JournalMenu::~JournalMenu() = default;

void JournalMenu::build(QMenuBar& menus) {
    QMenu* edit = menus.addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    undoAction_ = edit->addAction(QStringLiteral("&Undo"));
    undoAction_->setObjectName(QStringLiteral("mnuUndo"));
    undoAction_->setShortcut(QKeySequence::Undo);
    redoAction_ = edit->addAction(QStringLiteral("&Redo"));
    redoAction_->setObjectName(QStringLiteral("mnuRedo"));
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(undoAction_, &QAction::triggered, this, &JournalMenu::undoLastChange);
    connect(redoAction_, &QAction::triggered, this, &JournalMenu::redoLastUndone);
    connect(edit, &QMenu::aboutToShow, this, &JournalMenu::updateActions);
    typing_ = new TypingUndo(window_, *undoAction_, *redoAction_, [this] { updateActions(); });

    QMenu* menu = menus.addMenu(QStringLiteral("&Journal"));
    menu->setObjectName(QStringLiteral("mnuJournalMenu"));
    const struct {
        const char* name;
        const char* caption;
        QKeySequence keys;
        void (JournalMenu::*handler)();
    } items[] = {
        {"mnuJournal", "Show &Journal", QKeySequence(Qt::CTRL | Qt::Key_J),
         &JournalMenu::showJournal},
        {"mnuBalancedEntry", "&Balanced Entry...", QKeySequence(Qt::CTRL | Qt::Key_B),
         &JournalMenu::enterBalancedEntry},
        {"mnuExportCsv", "Export as &CSV...", QKeySequence(), &JournalMenu::exportJournalCsv},
        {"mnuExportLedger", "Export for &hledger or ledger...", QKeySequence(),
         &JournalMenu::exportJournalLedger},
        {"mnuLockBooks", "&Lock Books Through...", QKeySequence(), &JournalMenu::lockBooksThrough},
        {"mnuReopenPeriod", "Re&open Period...", QKeySequence(), &JournalMenu::reopenClosedPeriod},
        {"mnuCarryChanges", "Carr&y the Changes into the Closed Copy", QKeySequence(),
         &JournalMenu::carryChangesForward},
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
    carryChangesAction_ = needBooks_[6];
    connect(menu, &QMenu::aboutToShow, this, &JournalMenu::updatePeriodActions);
    needBooks_ << undoAction_ << redoAction_;
    window_.addActions(needBooks_); // the shortcuts work while the menus are closed
    updateActions();
}

void JournalMenu::updateActions() {
    const bool selected = session_.books().isSelected();
    for (QAction* action : needBooks_) {
        // Without a journal there is nothing to take back or put back.
        const bool undoing = action == undoAction_ || action == redoAction_;
        action->setEnabled(selected && (!undoing || session_.hasJournal()));
    }
    const QString undo = typing_->boxToUndo() != nullptr ? QStringLiteral("Typing")
                         : selected                      ? session_.undoTitle()
                                                         : QString();
    const QString redo = typing_->boxToRedo() != nullptr ? QStringLiteral("Typing")
                         : selected                      ? session_.redoTitle()
                                                         : QString();
    // The menu names what Undo and Redo would do: the typing in the focused box while it
    // has some to take back, else the books' last entry. Redo is greyed with nothing to
    // make again; only Undo (which refreshes the menu) gives it something. Undo stays
    // live, as any change of the books gives it something: with nothing to take back it
    // beeps. Without a journal neither is offered.
    redoAction_->setEnabled(selected && session_.hasJournal() &&
                            (!redo.isEmpty() || session_.redoStoppedByClosing()));
    // Past a closing they say why they do nothing.
    const QString closed = QStringLiteral(" (not past the closing)");
    undoAction_->setText(undo.isEmpty() ? QStringLiteral("&Undo")
                                        : QStringLiteral("&Undo ") + undo);
    redoAction_->setText(redo.isEmpty() ? QStringLiteral("&Redo")
                                        : QStringLiteral("&Redo ") + redo);
    if (selected && session_.undoStoppedByClosing()) {
        undoAction_->setText(QStringLiteral("&Undo") + closed);
    }
    if (selected && session_.redoStoppedByClosing()) {
        redoAction_->setText(QStringLiteral("&Redo") + closed);
    }
    updatePeriodActions();
}

void JournalMenu::booksSelected() {
    if (journalWindow_) {
        journalWindow_->close();
    }
    std::vector<session::Notice> notices;
    {
        // Making the journal of large books reads them whole: past a second it shows.
        accounts::FileWorkDialog progress(&window_,
                                          QStringLiteral("Making the journal of these books"));
        notices = session_.openJournal(progress.callback());
    }
    for (const session::Notice& notice : notices) {
        dialogs_.message(notice.text,
                         notice.exclamation ? ui::MessageIcon::Exclamation : ui::MessageIcon::None);
    }
    showReopened();
    updateActions();
}

void JournalMenu::booksReleased() {
    if (journalWindow_) {
        journalWindow_->close();
    }
    session_.company().reopened.clear();
    updateActions();
}

void JournalMenu::booksChanged() {
    if (journalWindow_) {
        journalWindow_->reload();
    }
    updateActions();
}

bool JournalMenu::journalReady() {
    if (!session_.books().isSelected()) {
        return false;
    }
    if (!session_.hasJournal()) {
        dialogs_.message(session::BooksSession::noJournalMessage());
        return false;
    }
    return true;
}

namespace {
// Undo or Redo with nothing to do (or no journal to do it with) beeps; a failure was
// reported with its own beep.
void reportTurn(ui::Dialogs& dialogs, const session::ChangeResult& result) {
    if (!ui::reportChange(dialogs, result) && !result.failed) {
        dialogs.beep();
    }
}
} // namespace

void JournalMenu::undoLastChange() {
    if (QLineEdit* box = typing_->boxToUndo()) {
        box->undo();
        return;
    }
    if (!session_.books().isSelected()) {
        dialogs_.beep();
        return;
    }
    reportTurn(dialogs_, session_.undo());
}

void JournalMenu::redoLastUndone() {
    if (QLineEdit* box = typing_->boxToRedo()) {
        box->redo();
        return;
    }
    if (!session_.books().isSelected()) {
        dialogs_.beep();
        return;
    }
    reportTurn(dialogs_, session_.redo());
}

} // namespace folio::app
