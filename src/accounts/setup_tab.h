#pragma once
#include "data/account_record.h"
#include "ui/tab_page.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace folio::accounts {

// The setup tab: the chart of accounts one record at a time, with the lists of standard
// names and account types beside the four boxes.
class SetupTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit SetupTab(ui::TabContext context, QWidget* parent = nullptr);

    std::optional<ui::Tab> enter() override;
    bool keepEdits() override;

    void ShowCurrentRecord();
    // Writes the boxes into the shown record; false (after a message naming the box) when a
    // box holds a type code or an amount that is refused, and nothing is written then.
    bool saveShownAccount();

    void newAccount();
    void nextAccount();
    void previousAccount();
    void searchAccount();
    void deleteShownAccount();
    void saveAndClose();
    void carryBalanceToYear();
    void chooseListedType();
    void chooseListedName();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillLists();
    // Runs a list's command whenever an entry is chosen: by a click, by the keyboard or by
    // a screen reader selecting it. A click on the entry already chosen runs it again.
    void watchChoices(QListWidget* list, void (SetupTab::*command)());
    // Reads record `record` and writes it back unchanged, so a record past the end joins
    // the file; gives the record read.
    AccountRecord readShown(int record);
    // Makes `record` of `count` the shown record: the state, the four boxes, the caption.
    void display(int record, int count, const AccountRecord& account);
    // Reads the four boxes into a record; empty after a message when one is refused.
    std::optional<AccountRecord> typedRecord();
    // The file work of showing a record first, then the state: a failure changes nothing.
    void showRecord(int record, int count);
    // The beep and exclamation message at either end of the file.
    void endReached(const QString& text);
    // After the accounts file was replaced by a deletion: the new handle and record.
    void showAfterDelete();

    // The record number shown, the number of records the tab counts and the record as
    // it was last read or written.
    int current_ = 0;
    int count_ = 0;
    AccountRecord shown_;

    QLineEdit* nameBox_;
    QLineEdit* typeBox_;
    QLineEdit* currentBalanceBox_;
    QLineEdit* ytdBalanceBox_;
    QListWidget* nameList_;
    QListWidget* typeList_;
    QPushButton* newButton_;
    QPushButton* nextButton_;
    QPushButton* previousButton_;
    QPushButton* searchButton_;
    QPushButton* deleteButton_;
    QPushButton* closeButton_;
    // The list pressed last and the row that was chosen in it before the press.
    const QListWidget* pressedList_ = nullptr;
    int chosenAtPress_ = -1;
};

} // namespace folio::accounts
