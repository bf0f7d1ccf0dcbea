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

    ui::ListingView* accountsView_ = nullptr;
    QLineEdit* revenueBox_ = nullptr;
    QLineEdit* expensesBox_ = nullptr;
    QLineEdit* netIncomeBox_ = nullptr;
    QLineEdit* ytdRevenueBox_ = nullptr;
    QLineEdit* ytdExpensesBox_ = nullptr;
    QLineEdit* ytdNetIncomeBox_ = nullptr;
    QLineEdit* cogsBox_ = nullptr;
    QLineEdit* ytdCogsBox_ = nullptr;
    QLineEdit* grossProfitBox_ = nullptr;
    QLineEdit* ytdGrossProfitBox_ = nullptr;
    QLineEdit* endingInventoryBox_ = nullptr;
    QWidget* merchandising_ = nullptr;
};

} // namespace folio::statements
