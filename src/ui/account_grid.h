#pragma once
#include "data/account_table.h"
#include "data/books.h"
#include "ui/account_list_model.h"
#include <QHash>
#include <QTableView>
#include <array>
#include <vector>

namespace folio::ui {

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
    // Begins a listing of the books' accounts: the returned visit is to be handed each
    // chunk of their file by a pass that reads it whole, and showListing() then lists the
    // accounts it counted, reading them from the file as they are scrolled to.
    FileTable::ChunkVisit listBooks(Books& books);
    void showListing();
    // Shows what is listed as entering it afresh would, without listing it again: nothing
    // chosen, the first rows in view and the columns at their fitted widths.
    void showAgain();
    void clear();

  protected:
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    void sizeColumns();
    void applyWidths();
    void fitNames();

    AccountListModel* model_;
    ListedRows listing_;
    std::vector<int> headerWidths_;
    std::array<int, AccountListModel::ColumnCount>
        widths_{}; // each column's own width, from its texts and heading
    QHash<QString, int> textWidths_;
};

} // namespace folio::ui
