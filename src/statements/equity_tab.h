#pragma once
#include "ui/tab_page.h"

class QLineEdit;

namespace folio::statements {

struct EquityStatement;

// The stockholders' equity tab: retained earnings, capital stock, net income and
// dividends, for the current period and the year to date.
class EquityTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit EquityTab(ui::TabContext context, QWidget* parent = nullptr);
    std::optional<ui::Tab> enter() override;

  signals:
    void printRequested();

  private:
    void show(const EquityStatement& figures);

    QLineEdit* txtBegCap_ = nullptr;
    QLineEdit* txtYtdBegCap_ = nullptr;
    QLineEdit* txtCapStock_ = nullptr;
    QLineEdit* txtytdCapStock_ = nullptr;
    QLineEdit* txtCurrentNet_ = nullptr;
    QLineEdit* txtYearNet_ = nullptr;
    QLineEdit* txtDividends_ = nullptr;
    QLineEdit* txtYtdDividends_ = nullptr;
    QLineEdit* txtEndCap_ = nullptr;
    QLineEdit* txtYtdEndCap_ = nullptr;
};

} // namespace folio::statements
