#pragma once
#include "ui/tab_page.h"

class FlexGrid;
class QLineEdit;
class QPushButton;
struct IncomeStatementFigures;

// The income statement tab: merchandising or service, current and year to date.
class IncomeStatementTab : public TabPage {
    Q_OBJECT
  public:
    explicit IncomeStatementTab(TabContext context, QWidget* parent = nullptr);
    // Computes the statement from the accounts file for the chosen type of business.
    void enter() override;

  private:
    void FillCellsIS();
    void prepareGrid();
    void showFigures(const IncomeStatementFigures& figures);

    FlexGrid* MSFlexGrid1_ = nullptr;
    QLineEdit* txtRevenue_ = nullptr;
    QLineEdit* txtExpenses_ = nullptr;
    QLineEdit* txtNI_ = nullptr;
    QLineEdit* txtYtdRevenue_ = nullptr;
    QLineEdit* txtYtdExpenses_ = nullptr;
    QLineEdit* txtYtdNI_ = nullptr;
    QPushButton* cmdIsPrint_ = nullptr;
};
