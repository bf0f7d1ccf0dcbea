#pragma once
#include "data/account_table.h"
#include <QTableView>

namespace folio::ui {

class AccountListModel;

// A read-only grid of accounts over an AccountListModel: columns sized to their contents
// and widened by the user, whole rows chosen, the view scrolling through any number of
// accounts.
class AccountGrid : public QTableView {
    Q_OBJECT
  public:
    AccountGrid(const QString& objectName, const QString& accessibleName, const QString& ytdHeading,
                QWidget* parent = nullptr);

    AccountListModel& accounts() const { return *model_; }
    // Lists the given record numbers of a table and sizes the columns.
    void show(const AccountTable& table, const std::vector<int>& numbers);
    void clear();

  private:
    AccountListModel* model_;
};

} // namespace folio::ui
