#pragma once
#include "data/account_table.h"
#include "journal/books_journal.h"
#include "ui/books_stamp.h"
#include "ui/tab_page.h"
#include <optional>
#include <vector>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace folio::ui {
class AccountGrid;
}

namespace folio::posting {

// The posting tab: the grid of accounts, the boxes of the account chosen in it, and the
// posting of a debit or credit to both of its balances.
class PostingTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit PostingTab(ui::TabContext context, QWidget* parent = nullptr);

    // Reads the accounts file again and rebuilds the grid; may throw FileError.
    std::optional<ui::Tab> enter() override;

    void chooseAccount(int row);
    void findTypedAccount();
    void postToAccount();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The account chosen in the grid: its row and its record in the file.
    struct Chosen {
        int row;
        int record;
    };

    void showAccount(int row);
    void clearBoxes();
    // The amount typed in a box (empty is zero); empty after a message when refused.
    std::optional<Money> typedAmount(QLineEdit* box, const QString& name);
    // The date and memo typed for the posting; empty after a message when the date is
    // refused.
    std::optional<journal::EntryNote> typedNote();
    // Writes the posting, with the blank record after the accounts, as one entry of the
    // journal; false when nothing reached the file.
    bool writePosting(const Chosen& chosen, Money debit, Money credit,
                      const journal::EntryNote& note, Amounts& written);

    ui::AccountGrid* accountGrid_;
    QLineEdit* accountBox_;
    QLineEdit* typeBox_;
    QLineEdit* currentBox_;
    QLineEdit* yearBox_;
    QGroupBox* Frame1_;
    QLineEdit* debitBox_;
    QLineEdit* creditBox_;
    QLineEdit* dateBox_;
    QLineEdit* memoBox_;
    QPushButton* postButton_;

    AccountTable table_; // the file as the grid shows it
    std::vector<int> listed_;
    std::optional<Chosen> chosen_;
    ui::ShownStamp shownStamp_; // what table_ was read from
};

} // namespace folio::posting
