#include "ui/flex_grid.h"
#include "data/account_table.h"
#include "data/text_rules.h"
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>

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
    // Keyboard focus starts on the first data cell, not on a heading, and selects nothing.
    selectionModel()->setCurrentIndex(model()->index(1, 1), QItemSelectionModel::NoUpdate);
}

void FlexGrid::setCell(int row, int column, const QString& text) {
    if (putText(row, column, text)) {
        viewport()->update();
    }
}

bool FlexGrid::putText(int row, int column, const QString& text) {
    QTableWidgetItem* cellItem = item(row, column);
    if (cellItem == nullptr || cellItem->text() == text) {
        return false;
    }
    // The grid has a fixed shape and no sorting, so a changed cell needs no more of the
    // view than a repaint; telling the view cell by cell costs more than the fill itself.
    const QSignalBlocker quiet(model());
    cellItem->setText(text);
    return true;
}

QString FlexGrid::cell(int row, int column) const {
    const QTableWidgetItem* cellItem = item(row, column);
    return cellItem ? cellItem->text() : QString();
}

void FlexGrid::clearCells() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            putText(row, column, QString());
        }
    }
    viewport()->update();
}

void FlexGrid::setColumnWidthTwips(int column, int twips) {
    setColumnWidth(column, twipsToPixels(twips, this));
}

int FlexGrid::twipsToPixels(int twips, const QWidget* widget) {
    return twips * widget->logicalDpiX() / 1440;
}

void FlexGrid::startListing(const QString& ytdHeading) {
    clearCells();
    setCell(0, 1, QStringLiteral("Account Title"));
    setCell(0, 2, QStringLiteral("Type"));
    setCell(0, 3, QStringLiteral("Current Balance"));
    setCell(0, 4, ytdHeading);
    setCell(0, 0, QStringLiteral("AN."));
}

void FlexGrid::setColumnWidthsTwips(const std::array<int, 4>& widths) {
    for (int column = 1; column < kColumns; ++column) {
        setColumnWidthTwips(column, widths[static_cast<std::size_t>(column - 1)]);
    }
}

void FlexGrid::setAccountRow(int row, int number, const AccountEntry& entry) {
    putText(row, 0, QString::number(number));
    putText(row, 1, entry.name);
    putText(row, 2, entry.type);
    putText(row, 3, formatCurrency(entry.current));
    putText(row, 4, formatCurrency(entry.ytd));
    viewport()->update();
}
