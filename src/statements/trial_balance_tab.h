#pragma once
#include "ui/tab_page.h"

class FlexGrid;
class QGridLayout;
class QLineEdit;
class QPushButton;
struct TrialBalanceFigures;

// The trial balance tab: every account and the four debit and credit totals.
class TrialBalanceTab : public TabPage {
    Q_OBJECT
  public:
    explicit TrialBalanceTab(TabContext context, QWidget* parent = nullptr);
    // Reads the accounts file again and shows the accounts and totals.
    void enter() override;

  private:
    QGridLayout* totalsGrid();
    void SetColWidth();
    void FillCells();
    void showFigures(const TrialBalanceFigures& figures);

    FlexGrid* grdTAble_ = nullptr;
    QLineEdit* txtDebit_ = nullptr;
    QLineEdit* txtCredits_ = nullptr;
    QLineEdit* txtYtdDebits_ = nullptr;
    QLineEdit* txtYtdCredits_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
};
