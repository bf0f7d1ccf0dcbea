#include "ui/flex_grid.h"
#include <QHeaderView>

FlexGrid::FlexGrid(const QString& objectName, QWidget* parent)
    : QTableWidget(kRows, kColumns, parent) {
    setObjectName(objectName);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    const QBrush heading = palette().button();
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem();
            if (row == 0 || column == 0) {
                item->setBackground(heading);
                item->setFlags(Qt::ItemIsEnabled);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            setItem(row, column, item);
        }
    }
    setColumnWidth(0, twipsToPixels(600, this));
}

void FlexGrid::setCell(int row, int column, const QString& text) {
    if (QTableWidgetItem* cellItem = item(row, column)) {
        cellItem->setText(text);
    }
}

QString FlexGrid::cell(int row, int column) const {
    const QTableWidgetItem* cellItem = item(row, column);
    return cellItem ? cellItem->text() : QString();
}

void FlexGrid::clearCells() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            setCell(row, column, QString());
        }
    }
}

void FlexGrid::setColumnWidthTwips(int column, int twips) {
    setColumnWidth(column, twipsToPixels(twips, this));
}

int FlexGrid::twipsToPixels(int twips, const QWidget* widget) {
    return twips * widget->logicalDpiX() / 1440;
}
