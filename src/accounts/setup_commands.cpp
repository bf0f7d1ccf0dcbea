#include "accounts/record_rules.h"
#include "accounts/setup_rules.h"
#include "accounts/setup_tab.h"
#include "data/books_state.h"
#include "data/file_identity.h"
#include "data/file_rewrite.h"
#include "data/text_rules.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <memory>

// The setup tab's commands: New, Next, Previous, Search, Delete, the current-balance box
// and the two lists. Each one does its file work before it changes the tab's state, so a
// failed read or write is reported and leaves the shown record and the counters alone.

namespace {

// A progress window for file work on a large file: it appears once the work has lasted a
// second, and Cancel stops the work. Meanwhile the window keeps repainting.
class FileWorkProgress {
  public:
    FileWorkProgress(QWidget* parent, QString label) : parent_(parent), label_(std::move(label)) {
        clock_.start();
    }

    folio::Progress callback() {
        return [this](std::int64_t done, std::int64_t total) {
            if (!dialog_ && clock_.elapsed() >= 1000) {
                dialog_ = std::make_unique<QProgressDialog>(label_, QStringLiteral("Cancel"), 0,
                                                            1000, parent_);
                dialog_->setObjectName(QStringLiteral("fileWorkProgress"));
                dialog_->setAccessibleName(label_);
                dialog_->setWindowModality(Qt::WindowModal);
                dialog_->setMinimumDuration(0);
            }
            if (!dialog_) {
                return true;
            }
            dialog_->setValue(static_cast<int>(total > 0 ? done * 1000 / total : 1000));
            QCoreApplication::processEvents(); // the modal window takes only Cancel
            return !dialog_->wasCanceled();
        };
    }

  private:
    QWidget* parent_;
    QString label_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace

void SetupTab::endReached(const QString& text) {
    ctx_.dialogs.beep();
    ctx_.dialogs.message(text, MessageIcon::Exclamation);
}

void SetupTab::cmdNew_Click() {
    runReported(ctx_.dialogs, [this] {
        SaveCurrentRecord();
        BooksState& books = ctx_.books;
        const int count = books.RecordCount + 1;
        books.files.put(books.FileNumber, count, AccountRecord::blank());
        showRecord(count, count);
    });
}

void SetupTab::cmdNext_Click() {
    const BooksState& books = ctx_.books;
    if (books.CurrentRecord == books.RecordCount) {
        endReached(QStringLiteral("End of File Encountered!"));
    } else {
        runReported(ctx_.dialogs, [this, &books] {
            SaveCurrentRecord();
            showRecord(books.CurrentRecord + 1, books.RecordCount);
        });
    }
    txtAcctName_->setFocus();
}

void SetupTab::cmdPrevious_Click() {
    const BooksState& books = ctx_.books;
    if (books.CurrentRecord == 1) {
        endReached(QStringLiteral("Beginning of file encountered! "));
    } else {
        runReported(ctx_.dialogs, [this, &books] {
            SaveCurrentRecord();
            showRecord(books.CurrentRecord - 1, books.RecordCount);
        });
    }
    txtAcctName_->setFocus();
}

void SetupTab::cmdSearch_Click() {
    const QString answer =
        ctx_.dialogs.inputBox(QStringLiteral("Enter name to search:"), QStringLiteral("Search"));
    if (!answer.isEmpty()) {
        const QString wanted = answer.toUpper();
        runReported(ctx_.dialogs, [this, &wanted] {
            BooksState& books = ctx_.books;
            std::optional<int> found;
            FileWorkProgress progress(this, QStringLiteral("Searching for ") + wanted);
            const bool finished = books.files.scan(
                books.FileNumber, books.RecordCount,
                [&](int record, const AccountRecord& account) {
                    if (account.trimmedName().toUpper() == wanted) {
                        found = record;
                    }
                    return !found;
                },
                progress.callback());
            if (!finished) {
                return; // the user stopped the search
            }
            if (!found) {
                ctx_.dialogs.message(SetupRules::notFoundMessage(wanted));
                return;
            }
            SaveCurrentRecord();
            showRecord(*found, books.RecordCount);
        });
    }
    txtAcctName_->setFocus();
}

void SetupTab::cmdDelete_Click() {
    if (!ctx_.dialogs.askYesNo(QStringLiteral("Delete This Record?"))) {
        return;
    }
    BooksState& books = ctx_.books;
    const auto before = folio::fileIdentity(books.SelectedFile);
    bool finished = true;
    const bool replaced = runReported(ctx_.dialogs, [this, &books, &finished] {
        // Streamed a chunk at a time into a private file beside the books, which then
        // takes their place (through a link, to its target), keeping mode and owner.
        FileWorkProgress progress(this, QStringLiteral("Deleting the record"));
        finished = folio::rewriteWithout(books.SelectedFile, books.RecordCount, books.CurrentRecord,
                                         progress.callback());
    });
    // A step after the rename (syncing the folder) may fail once the remaining records are
    // already in place; then the deletion has happened and the tab must follow it.
    if (!finished || (!replaced && folio::fileIdentity(books.SelectedFile) == before)) {
        return;
    }
    showAfterDelete();
}

void SetupTab::showAfterDelete() {
    BooksState& books = ctx_.books;
    const SetupRules::Position now =
        SetupRules::afterDelete({books.CurrentRecord, books.RecordCount});
    books.CurrentRecord = now.currentRecord;
    books.RecordCount = now.recordCount;
    const bool shown = runReported(ctx_.dialogs, [this, &books, now] {
        books.openFile(books.SelectedFile);
        showRecord(now.currentRecord, now.recordCount);
    });
    if (!shown) {
        // The boxes still hold the deleted account; with the handle released no save can
        // write it over another record. Entering the tab again starts afresh.
        books.files.close(books.FileNumber);
        display(now.currentRecord, now.recordCount, AccountRecord::blank());
    }
}

void SetupTab::txtCurrentBalance_LostFocus() {
    const QString plain = leadingNumber(txtCurrentBalance_->text()).plainText();
    txtCurrentBalance_->setText(plain);
    txtYtdBalance_->setText(leadingNumber(plain).plainText());
    if (!runReported(ctx_.dialogs, [this] { SaveCurrentRecord(); })) {
        return; // the plain amount stays in both boxes for the next save
    }
    const AccountRecord& held = ctx_.books.CurrentAccount;
    txtCurrentBalance_->setText(RecordRules::shownAfterLeaving(plain, held.CurrentBalance));
    txtYtdBalance_->setText(RecordRules::shownAfterLeaving(plain, held.YtdBalance));
}

namespace {
// The entry chosen in a list: the selected one, which a screen reader may set without
// moving the list's current entry.
const QListWidgetItem* chosenEntry(const QListWidget* list) {
    const auto selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}
} // namespace

void SetupTab::lstAcctType_Click() {
    if (const QListWidgetItem* chosen = chosenEntry(lstAcctType_)) {
        if (const auto code = SetupRules::typeCodeOf(chosen->text())) {
            txtAcctType_->setText(*code);
        }
    }
    runReported(ctx_.dialogs, [this] { SaveCurrentRecord(); });
}

void SetupTab::lstAcctName_Click() {
    if (const QListWidgetItem* chosen = chosenEntry(lstAcctName_)) {
        if (SetupRules::isStandardName(chosen->text())) {
            txtAcctName_->setText(chosen->text());
        }
    }
}
