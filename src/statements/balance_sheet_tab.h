#pragma once
#include "ui/books_stamp.h"
#include "ui/tab_page.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace folio::ui {
class ListingView;
}

namespace folio::statements {

struct Statements;

// The balance sheet tab: every account in a grid, the assets, liabilities, retained
// earnings and capital stock, the liabilities plus equity with whether they equal the
// assets, and the two closing check boxes.
class BalanceSheetTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit BalanceSheetTab(ui::TabContext context, QWidget* parent = nullptr);
    std::optional<ui::Tab> enter() override;

  signals:
    void printRequested();
    void monthlyClosingRequested();
    void yearlyClosingRequested();

  private:
    void show(const Statements& statements);

    ui::ListingView* accountsView_ = nullptr;
    QLineEdit* assetsBox_ = nullptr;
    QLineEdit* liabilitiesBox_ = nullptr;
    QLineEdit* capitalBox_ = nullptr;
    QLineEdit* stockBox_ = nullptr;
    QLineEdit* liabilitiesEquityBox_ = nullptr;
    QLabel* inBalanceLabel_ = nullptr;
    ui::ShownStamp shownStamp_; // what the figures shown were computed from
};

} // namespace folio::statements
