#pragma once
#include "ui/tab_page.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace folio {
struct AccountTable;
}
namespace folio::statements {
struct CashFlowStatement;
}

namespace folio::cashflow {

// The statement of cash flows tab: the statement's lines, the net change beside the change
// in the cash accounts, and the dialog of cash-flow classes, which opens by itself the
// first time the statement is shown for books whose classes were never checked.
class CashFlowTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit CashFlowTab(ui::TabContext context, QWidget* parent = nullptr);
    std::optional<ui::Tab> enter() override;

  signals:
    void printRequested();

  private:
    void show(const statements::CashFlowStatement& s);
    // Opens the dialog of classes; OK keeps them with the books and shows the tab again.
    void checkClasses(const AccountTable& table);

    QLabel* periodLabel_ = nullptr;
    QTableWidget* flowsGrid_ = nullptr;
    QLineEdit* netChangeBox_ = nullptr;
    QLineEdit* cashChangeBox_ = nullptr;
    QLineEdit* cashBeginningBox_ = nullptr;
    QLineEdit* cashEndBox_ = nullptr;
    QLabel* cashCheckLabel_ = nullptr;
    QString checkedFor_; // the books whose classes the dialog was opened for
};

} // namespace folio::cashflow
