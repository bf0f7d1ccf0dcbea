#pragma once
#include <QObject>
#include <functional>

class QAction;
class QLineEdit;
class QWidget;

namespace folio::app {

// Shares Edit, Undo and Redo and their keys between the focused text box and the books:
// while the box has typing of its own to take back, the keys and the menu act on the box;
// otherwise they act on the books. Watches the keys of the whole program, but only in the
// given window.
class TypingUndo : public QObject {
    Q_OBJECT
  public:
    // `beforeKeys` brings the Undo and Redo actions up to date before a key reaches them.
    TypingUndo(QWidget& window, QAction& undo, QAction& redo, std::function<void()> beforeKeys);

    // The focused box of the window with typing to undo, or to redo; null when it has none.
    QLineEdit* boxToUndo() const;
    QLineEdit* boxToRedo() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* focusedBox() const;

    QWidget& window_;
    QAction& undo_;
    QAction& redo_;
    std::function<void()> beforeKeys_;
};

} // namespace folio::app
