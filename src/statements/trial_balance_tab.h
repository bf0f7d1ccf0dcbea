#pragma once
#include "data/amounts.h"
#include "ui/books_stamp.h"
#include "ui/tab_page.h"

class QLabel;
class QLineEdit;

namespace folio::ui {
class ListingView;
}

namespace folio::statements {

struct Statements;

// The trial balance tab: every account, the four debit and credit totals and whether the
// books are in balance.
class TrialBalanceTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit TrialBalanceTab(ui::TabContext context, QWidget* parent = nullptr);
    // Reads the accounts file again and shows the accounts and totals.
    std::optional<ui::Tab> enter() override;

  signals:
    void printRequested();

  private:
    void show(const Statements& statements);

    ui::ListingView* trialBalanceGrid_ = nullptr;
    QLineEdit* debitsBox_ = nullptr;
    QLineEdit* creditsBox_ = nullptr;
    QLineEdit* ytdDebitsBox_ = nullptr;
    QLineEdit* ytdCreditsBox_ = nullptr;
    QLabel* balanceLabel_ = nullptr;
    ui::ShownStamp shownStamp_; // what the figures shown were computed from
};

// The words that say whether the books balance, current and year to date: "In balance",
// or "Out of balance by $150.00 current and $150.00 year to date".
QString balanceText(const Amounts& difference);

} // namespace folio::statements
