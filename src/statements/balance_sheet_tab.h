#pragma once
#include "ui/tab_page.h"

class FlexGrid;
class QCheckBox;
class QLineEdit;
class QPushButton;
struct BalanceSheetFigures;

// The balance sheet tab: every account in a grid, the assets, liabilities, retained
// earnings and capital stock, and the two closing check boxes.
class BalanceSheetTab : public TabPage {
    Q_OBJECT
  public:
    explicit BalanceSheetTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;

  private:
    void fillGrid(const BalanceSheetFigures& figures);

    FlexGrid* MSFlexGrid2_ = nullptr;
    QLineEdit* txtTotalCurrentAssets_ = nullptr;
    QLineEdit* txtTotalCurrentLiabilities_ = nullptr;
    QLineEdit* txtCapital_ = nullptr;
    QLineEdit* txtStock_ = nullptr;
    QPushButton* cmdPrintBs_ = nullptr;
    QCheckBox* chkMonthly_ = nullptr;
    QCheckBox* chkYearly_ = nullptr;
};
