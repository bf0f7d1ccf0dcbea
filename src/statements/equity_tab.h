#pragma once
#include "ui/tab_page.h"
#include <optional>

class QLineEdit;
class QPushButton;
struct EquityFigures;
struct NetIncomeColumns;

// The stockholders' equity tab: retained earnings, capital stock and net income, for the
// current period and the year to date.
class EquityTab : public TabPage {
    Q_OBJECT
  public:
    explicit EquityTab(TabContext context, QWidget* parent = nullptr);
    void enter() override;

  private:
    // Reads the accounts file again and gives its equity figures.
    EquityFigures readFigures();
    // The net income of both columns by the type of business; empty when the type is not
    // chosen. False (after a message) when a net income text cannot be read back.
    bool netIncome(std::optional<NetIncomeColumns>& net);
    void show(const EquityFigures& figures, const std::optional<NetIncomeColumns>& net);

    QLineEdit* txtBegCap_ = nullptr;
    QLineEdit* txtYtdBegCap_ = nullptr;
    QLineEdit* txtCapStock_ = nullptr;
    QLineEdit* txtytdCapStock_ = nullptr;
    QLineEdit* txtCurrentNet_ = nullptr;
    QLineEdit* txtYearNet_ = nullptr;
    QLineEdit* txtEndCap_ = nullptr;
    QLineEdit* txtYtdEndCap_ = nullptr;
    QPushButton* cmdCapitalPrint_ = nullptr;
};
