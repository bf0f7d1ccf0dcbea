#include "app/typing_undo.h"
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace folio::app {

TypingUndo::TypingUndo(QWidget& window, QAction& undo, QAction& redo,
                       std::function<void()> beforeKeys)
    : QObject(&window), window_(window), undo_(undo), redo_(redo),
      beforeKeys_(std::move(beforeKeys)) {
    qApp->installEventFilter(this);
}

QLineEdit* TypingUndo::focusedBox() const {
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return box != nullptr && box->window() == &window_ && !box->isReadOnly() ? box : nullptr;
}

QLineEdit* TypingUndo::boxToUndo() const {
    QLineEdit* box = focusedBox();
    return box != nullptr && box->isUndoAvailable() ? box : nullptr;
}

QLineEdit* TypingUndo::boxToRedo() const {
    QLineEdit* box = focusedBox();
    return box != nullptr && box->isRedoAvailable() ? box : nullptr;
}

bool TypingUndo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) {
        return QObject::eventFilter(watched, event);
    }
    // The event climbs from the focused widget to its window: it is judged once, there.
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    if (widget->window() != &window_ || (focus != nullptr ? widget != focus : widget != &window_)) {
        return QObject::eventFilter(watched, event);
    }
    const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
    const bool undo = undo_.shortcuts().contains(keys);
    const bool redo = redo_.shortcuts().contains(keys);
    if (!undo && !redo) {
        return QObject::eventFilter(watched, event);
    }
    beforeKeys_();
    // A text box claims the undo and redo keys whether or not it has anything to take
    // back; with nothing of its own the keys go on to Edit, Undo and Redo.
    if (focusedBox() != nullptr &&
        ((undo && boxToUndo() == nullptr) || (redo && boxToRedo() == nullptr))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace folio::app
