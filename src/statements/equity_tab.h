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

    QLineEdit* beginningCapitalBox_ = nullptr;
    QLineEdit* ytdBeginningCapitalBox_ = nullptr;
    QLineEdit* capitalStockBox_ = nullptr;
    QLineEdit* txtytdCapStock_ = nullptr;
    QLineEdit* currentNetBox_ = nullptr;
    QLineEdit* yearNetBox_ = nullptr;
    QLineEdit* dividendsBox_ = nullptr;
    QLineEdit* ytdDividendsBox_ = nullptr;
    QLineEdit* endingCapitalBox_ = nullptr;
    QLineEdit* ytdEndingCapitalBox_ = nullptr;
};

} // namespace folio::statements
