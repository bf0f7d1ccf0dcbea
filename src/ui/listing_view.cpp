#include "ui/listing_view.h"
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

namespace folio::ui {

ListingView::ListingView(const QString& objectName, const QString& accessibleName,
                         const QString& ytdHeading, QScrollBar* bar, QWidget* parent)
    : AccountGrid(objectName, accessibleName, ytdHeading, parent), bar_(bar) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the grid's own bar stands beside it
    setVerticalScrollMode(ScrollPerItem);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!placing_) {
            window_.setTop(window_.topAt(value));
            place();
        }
    });
}

FileTable::ChunkVisit ListingView::listBooks(Books& books) {
    clear();
    listing_.begin([&books](int first, std::span<RecordBytes> into) {
        books.files().readRecords(books.handle(), first, into);
    });
    return [this](int first, std::span<const RecordBytes> records) {
        listing_.add(first, records);
        return true;
    };
}

void ListingView::forgetPlace() {
    current_ = chosen_ = -1;
    selectionModel()->reset();
}

void ListingView::showListing() {
    forgetPlace();
    window_.reset(listing_.count());
    measurePage();
    place();
    sizeColumns();
}

void ListingView::showAgain() {
    forgetPlace();
    window_.setTop(0);
    place();
    refitColumns();
}

void ListingView::clear() {
    forgetPlace();
    window_.reset(0);
    shownFirst_ = -1;
    AccountGrid::clear();
    place();
}

QModelIndex ListingView::cellOf(std::int64_t row, int column) {
    if (row < 0 || row >= window_.rows()) {
        return {};
    }
    window_.show(row);
    place();
    return model_->index(static_cast<int>(row - shownFirst_), column);
}

void ListingView::place() {
    const bool wasPlacing = placing_;
    placing_ = true;
    const std::int64_t first = window_.first();
    const auto held = static_cast<int>(window_.held());
    if (first != shownFirst_ || held != model_->rowCount()) {
        model_->setListing(listing_, static_cast<int>(first), held);
        shownFirst_ = first;
    }
    executeDelayedItemsLayout(); // the view's own range follows the rows held before it scrolls
    verticalScrollBar()->setValue(static_cast<int>(window_.offset()));
    {
        const QSignalBlocker still(bar_);
        bar_->setRange(0, window_.barMaximum());
        bar_->setPageStep(static_cast<int>(std::min<std::int64_t>(window_.page(), INT_MAX)));
        bar_->setValue(window_.barValue());
    }
    bar_->setHidden(window_.barMaximum() == 0); // as a view's bar, shown when there is more
    showMarks();
    placing_ = wasPlacing;
}

void ListingView::showMarks() {
    // The chosen row and the keyboard's place follow their rows as the window moves, and
    // are taken off the view while their rows are not held.
    QItemSelectionModel* marks = selectionModel();
    const auto heldRow = [this](std::int64_t row) {
        return row >= shownFirst_ && row < shownFirst_ + model_->rowCount()
                   ? static_cast<int>(row - shownFirst_)
                   : -1;
    };
    const int current = heldRow(current_);
    marks->setCurrentIndex(current < 0 ? QModelIndex() : model_->index(current, currentColumn_),
                           QItemSelectionModel::NoUpdate);
    const int chosen = heldRow(chosen_);
    if (chosen < 0) {
        marks->clearSelection();
    } else if (!marks->isRowSelected(chosen)) {
        marks->select(model_->index(chosen, 0),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void ListingView::measurePage() {
    const int rowHeight = std::max(1, verticalHeader()->defaultSectionSize());
    window_.setPage(viewport()->height() / rowHeight);
}

QModelIndex ListingView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    using Move = RowWindow::Move;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    std::optional<Move> move;
    int column = currentColumn_;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        move = Move::Up;
        break;
    case MoveDown:
    case MoveNext:
        move = Move::Down;
        break;
    case MovePageUp:
        move = Move::PageUp;
        break;
    case MovePageDown:
        move = Move::PageDown;
        break;
    case MoveHome:
        column = 0;
        move = ctrl ? std::optional(Move::First) : std::nullopt;
        break;
    case MoveEnd:
        column = AccountListModel::ColumnCount - 1;
        move = ctrl ? std::optional(Move::Last) : std::nullopt;
        break;
    case MoveLeft:
        column = std::max(0, column - 1);
        break;
    case MoveRight:
        column = std::min(AccountListModel::ColumnCount - 1, column + 1);
        break;
    }
    const std::int64_t row =
        move || current_ < 0 ? window_.moved(move.value_or(Move::Up), current_) : current_;
    if (row < 0) {
        return {};
    }
    return cellOf(row, current_ < 0 ? 0 : column);
}

void ListingView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (placing_ || !index.isValid()) {
        return; // the window is being placed where it is to be
    }
    const std::int64_t row = shownFirst_ + index.row();
    switch (hint) {
    case PositionAtTop:
        window_.setTop(row);
        break;
    case PositionAtBottom:
        window_.setTop(row - window_.page() + 1);
        break;
    case PositionAtCenter:
        window_.setTop(row - window_.page() / 2);
        break;
    default:
        window_.show(row);
        break;
    }
    place();
    // The view brings the cell's column into sight; the rows stay where the window put them.
    AccountGrid::scrollTo(model_->index(static_cast<int>(row - shownFirst_), index.column()));
    placing_ = true;
    verticalScrollBar()->setValue(static_cast<int>(window_.offset()));
    placing_ = false;
}

void ListingView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (!placing_) {
        current_ = current.isValid() ? shownFirst_ + current.row() : -1;
        currentColumn_ = current.isValid() ? current.column() : 0;
    }
    AccountGrid::currentChanged(current, previous);
}

void ListingView::selectionChanged(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    AccountGrid::selectionChanged(selected, deselected);
    if (!placing_) {
        const QModelIndexList rows = selectionModel()->selectedRows();
        chosen_ = rows.isEmpty() ? -1 : shownFirst_ + rows.first().row();
    }
}

void ListingView::resizeEvent(QResizeEvent* event) {
    AccountGrid::resizeEvent(event);
    measurePage();
    place();
}

void ListingView::wheelEvent(QWheelEvent* event) {
    const QPoint turn = event->angleDelta();
    if (std::abs(turn.y()) >= std::abs(turn.x())) {
        QCoreApplication::sendEvent(bar_, event); // the rows scroll on the grid's own bar
        return;
    }
    AccountGrid::wheelEvent(event);
}

} // namespace folio::ui
