#pragma once
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// Small helpers that build the boxes of a tab the same way everywhere.
namespace Form {
// A text box with the given object name.
QLineEdit* box(const QString& objectName, QWidget* parent);
// A label tied to its box, so its mnemonic focuses the box and a screen reader names the
// box after it.
QLabel* label(const QString& objectName, const QString& caption, QWidget* buddy,
              QWidget* parent);
} // namespace Form
