#include "ui/account_grid.h"
#include "ui/account_list_model.h"
#include <QHeaderView>

namespace folio::ui {

AccountGrid::AccountGrid(const QString& objectName, const QString& accessibleName,
                         const QString& ytdHeading, QWidget* parent)
    : QTableView(parent), model_(new AccountListModel(ytdHeading, this)) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setResizeContentsPrecision(200);
}

void AccountGrid::show(const AccountTable& table, const std::vector<int>& numbers) {
    model_->setAccounts(table.records, numbers);
    resizeColumnsToContents();
    // Room left over goes to the account names.
    int used = 0;
    for (int column = 0; column < model_->columnCount(); ++column) {
        used += columnWidth(column);
    }
    const int spare = viewport()->width() - used;
    if (spare > 0) {
        setColumnWidth(AccountListModel::Name, columnWidth(AccountListModel::Name) + spare);
    }
}

void AccountGrid::clear() {
    model_->clear();
}

} // namespace folio::ui
