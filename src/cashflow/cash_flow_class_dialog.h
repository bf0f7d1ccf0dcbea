#pragma once
#include "data/account_table.h"
#include "statements/cash_flow_class.h"
#include <QDialog>
#include <vector>

class QComboBox;
class QTableWidget;

namespace folio::cashflow {

// Checks and changes the cash-flow class of each balance sheet account: one row per
// account with its type code and a list of the classes.
class CashFlowClassDialog : public QDialog {
    Q_OBJECT
  public:
    CashFlowClassDialog(const AccountTable& table, const statements::CashFlowClasses& chosen,
                        QWidget* parent = nullptr);
    // The class of every account listed, as the lists show it now.
    statements::CashFlowClasses classes() const;

  private:
    QTableWidget* classesGrid_ = nullptr;
    std::vector<std::pair<QString, QComboBox*>> choices_;
};

} // namespace folio::cashflow
