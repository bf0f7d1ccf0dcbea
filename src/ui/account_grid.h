#pragma once
#include "data/account_table.h"
#include "ui/account_list_model.h"
#include <QHash>
#include <QTableView>
#include <array>
#include <vector>

namespace folio::ui {

// A read-only grid of accounts over an AccountListModel: columns sized to their contents
// and widened by the user, whole rows chosen.
class AccountGrid : public QTableView {
    Q_OBJECT
  public:
    AccountGrid(const QString& objectName, const QString& accessibleName, const QString& ytdHeading,
                QWidget* parent = nullptr);

    AccountListModel& accounts() const { return *model_; }
    // Lists the given record numbers of a table and sizes the columns.
    void show(const AccountTable& table, const std::vector<int>& numbers);
    // Shows what is listed as entering it afresh would, without listing it again: nothing
    // chosen, the first rows in view and the columns at their fitted widths.
    void showAgain();
    void clear();

  protected:
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    // Sizes the columns to what is listed now.
    void sizeColumns();
    // The widths last fitted set again, or fitted afresh when the font or the style changed.
    void refitColumns();

    AccountListModel* model_;

  private:
    void applyWidths();
    void fitNames();

    std::vector<int> headerWidths_;
    std::array<int, AccountListModel::ColumnCount>
        widths_{}; // each column's own width, from its texts and heading
    QHash<QString, int> textWidths_;
};

} // namespace folio::ui
