#pragma once
#include <QString>
#include <initializer_list>

class QGridLayout;
class QLabel;
class QLineEdit;
class QTableWidgetItem;
class QWidget;

namespace folio::ui {

// Small helpers that build the boxes of a tab the same way everywhere.
namespace Form {
// A text box with the given object name.
QLineEdit* box(const QString& objectName, QWidget* parent);
// A cell of a table of figures: its text, right-aligned when it is an amount.
QTableWidgetItem* cell(const QString& text, bool amount);
// A read-only figure box: right-aligned, looking read-only and out of the Tab order.
QLineEdit* figureBox(const QString& objectName, QWidget* parent);
// A label tied to its box, so its mnemonic focuses the box and a screen reader names the
// box after it.
QLabel* label(const QString& objectName, const QString& caption, QWidget* buddy, QWidget* parent);

// A label and its box side by side in a grid: the label at (row, column), the box in
// the next column.
void addLabelled(QGridLayout* grid, int row, int column, const QString& labelName,
                 const QString& caption, QWidget* box, QWidget* parent);

// A read-only figure box of a statement with its label, placed at a grid row and at a
// column pair (label in `column`, box in `column` + 1).
struct FigureBox {
    QLineEdit** box;
    const char* name;
    const char* label;
    const char* caption;
    int row;
    int column;
};
// Builds the figure boxes into a grid of label and box pairs, the boxes right-aligned.
QGridLayout* figureGrid(std::initializer_list<FigureBox> boxes, QWidget* parent);
} // namespace Form

} // namespace folio::ui
