#include "accounts/file_identity.h"
#include "accounts/record_rules.h"
#include "accounts/setup_rules.h"
#include "accounts/setup_tab.h"
#include "data/books_state.h"
#include "data/text_rules.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <vector>

// The setup tab's commands: New, Next, Previous, Search, Delete, the current-balance box
// and the two lists. Each one does its file work before it changes the tab's state, so a
// failed read or write is reported and leaves the shown record and the counters alone.

namespace {

// The temporary file a deletion writes beside the accounts file.
QString temporaryPathFor(const QString& accountsFile) {
    const QFileInfo file(accountsFile);
    QString temporary = file.absolutePath() + QStringLiteral("/File.TMP");
    if (QFileInfo(temporary) == file) {
        temporary += QLatin1Char('~'); // the accounts file itself is named File.TMP
    }
    return temporary;
}

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
            const auto found = SetupRules::findByName(
                books.RecordCount, [&books](int i) { return books.files.get(books.FileNumber, i); },
                wanted);
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
    std::vector<AccountRecord> kept;
    const bool read = runReported(ctx_.dialogs, [&books, &kept] {
        for (int i = 1; i <= books.RecordCount; ++i) {
            if (i != books.CurrentRecord) {
                kept.push_back(books.files.get(books.FileNumber, i));
            }
        }
    });
    if (!read) {
        return;
    }
    const auto before = fileIdentity(books.SelectedFile);
    const bool replaced = runReported(ctx_.dialogs, [&books, &kept] {
        FileTable::replaceWhole(books.SelectedFile, temporaryPathFor(books.SelectedFile), kept);
    });
    // A step after the rename (syncing the folder) may fail once the remaining records are
    // already in place; then the deletion has happened and the tab must follow it.
    if (!replaced && fileIdentity(books.SelectedFile) == before) {
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
