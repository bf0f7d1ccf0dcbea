#pragma once
#include "ui/tab_page.h"

class QLineEdit;
class QWidget;

namespace folio::ui {
class ListingView;
}

namespace folio::statements {

struct Statements;

// The income statement tab: merchandising or service, current and year to date. A
// merchandising business also sees its cost of goods sold, gross profit and the ending
// inventory used.
class IncomeStatementTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit IncomeStatementTab(ui::TabContext context, QWidget* parent = nullptr);
    std::optional<ui::Tab> enter() override;

  signals:
    void printRequested();

  private:
    void clearFigures();
    void show(const Statements& statements);

    ui::ListingView* MSFlexGrid1_ = nullptr;
    QLineEdit* txtRevenue_ = nullptr;
    QLineEdit* txtExpenses_ = nullptr;
    QLineEdit* txtNI_ = nullptr;
    QLineEdit* txtYtdRevenue_ = nullptr;
    QLineEdit* txtYtdExpenses_ = nullptr;
    QLineEdit* txtYtdNI_ = nullptr;
    QLineEdit* txtCogs_ = nullptr;
    QLineEdit* txtYtdCogs_ = nullptr;
    QLineEdit* txtGrossProfit_ = nullptr;
    QLineEdit* txtYtdGrossProfit_ = nullptr;
    QLineEdit* txtEndingInventory_ = nullptr;
    QWidget* merchandising_ = nullptr;
};

} // namespace folio::statements
