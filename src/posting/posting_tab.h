#pragma once
#include "ui/tab_page.h"
#include <optional>
#include <vector>

struct AccountTable;
class FlexGrid;
class QGroupBox;
class QLineEdit;
class QPushButton;
namespace PostingRules {
struct Balances;
}

// The posting tab: the grid of accounts, the boxes of the account chosen in it, and the
// posting of a debit or credit to both of its balances.
class PostingTab : public TabPage {
    Q_OBJECT
  public:
    explicit PostingTab(TabContext context, QWidget* parent = nullptr);

    // Reads the accounts file again and rebuilds the grid; may throw FileError.
    void enter() override;

    void MSFlexGrid3_Click(int row);
    void txtAccountToPost_Change();
    void cmdOKPost_Click();

  private:
    // The account chosen by a click: its grid row and its record in the file.
    struct Chosen {
        int row;
        int record;
    };

    void FillCells(const AccountTable& table);
    void showAccount(int row);
    void clearBoxes();
    // Reads the typed amounts and the shown balances; false (after a message) when they
    // cannot be posted.
    bool balancesToPost(PostingRules::Balances& posted);
    void writePosting(const Chosen& chosen, const PostingRules::Balances& balances);
    // Whether the chosen record holds the posted balances (a failed write may have landed).
    bool fileHolds(const Chosen& chosen, const PostingRules::Balances& balances);
    void writeBlankAfterAccounts();

    FlexGrid* MSFlexGrid3_;
    QLineEdit* txtAccountToPost_;
    QLineEdit* txtType_;
    QLineEdit* txtCurrent_;
    QLineEdit* txtYear_;
    QGroupBox* Frame1_;
    QLineEdit* txtPostDebit_;
    QLineEdit* txtPostCredit_;
    QPushButton* cmdOKPost_;

    std::vector<int> listedRecords_; // the record shown in each data row
    std::optional<Chosen> chosen_;
};
