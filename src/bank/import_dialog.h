#pragma once
#include "bank/import_plan.h"
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace folio::bank {

// The preview of a bank statement import: every line with its date, description,
// amount, the rule that took it, the other account, whether it is a duplicate and why,
// and a tick for the lines to import. A line no rule took gets its account here (picked
// from the books' accounts) or is left out. Import writes exactly the ticked lines.
class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    enum Column { Tick, Date, Description, Amount, Rule, Account, Status, Why, ColumnCount };

    ImportDialog(ImportPlan plan, const RuleBook& rules, const QStringList& accounts,
                 QWidget* parent = nullptr);

    // The plan as the preview shows it now.
    const ImportPlan& plan() const { return plan_; }
    QTableWidget* grid() const { return grid_; }

  private:
    void fillRow(int row);
    void itemChanged(QTableWidgetItem* item);
    void updateSummary();

    ImportPlan plan_;
    QStringList ruleNames_;
    QTableWidget* grid_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* import_ = nullptr;
    bool filling_ = false;
};

} // namespace folio::bank
