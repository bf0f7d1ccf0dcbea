#include "ui/row_window.h"
#include <algorithm>
#include <limits>

namespace folio::ui {

namespace {
constexpr std::int64_t kBarLimit = std::numeric_limits<int>::max();
}

void RowWindow::reset(std::int64_t rows) {
    rows_ = std::max<std::int64_t>(rows, 0);
    top_ = 0;
}

void RowWindow::setPage(std::int64_t page) {
    page_ = std::max<std::int64_t>(page, 1);
    setTop(top_);
}

std::int64_t RowWindow::held() const {
    return std::min(rows_, std::max(kHeld, page_ + 1));
}

std::int64_t RowWindow::first() const {
    return std::min(top_, rows_ - held());
}

std::int64_t RowWindow::lastTop() const {
    return std::max<std::int64_t>(rows_ - page_, 0);
}

void RowWindow::setTop(std::int64_t top) {
    top_ = std::clamp<std::int64_t>(top, 0, lastTop());
}

void RowWindow::show(std::int64_t row) {
    if (row < top_) {
        setTop(row);
    } else if (row >= top_ + page_) {
        setTop(row - page_ + 1);
    }
}

std::int64_t RowWindow::moved(Move move, std::int64_t from) const {
    if (rows_ == 0) {
        return -1;
    }
    if (from < 0) {
        return 0; // the first move chooses the first row, as a grid does
    }
    std::int64_t to = from;
    switch (move) {
    case Move::Up:
        to = from - 1;
        break;
    case Move::Down:
        to = from + 1;
        break;
    case Move::PageUp:
        to = from - page_;
        break;
    case Move::PageDown:
        to = from + page_;
        break;
    case Move::First:
        to = 0;
        break;
    case Move::Last:
        to = rows_ - 1;
        break;
    }
    return std::clamp<std::int64_t>(to, 0, rows_ - 1);
}

std::int64_t RowWindow::barScale() const {
    return lastTop() / kBarLimit + 1;
}

int RowWindow::barMaximum() const {
    return static_cast<int>(lastTop() / barScale());
}

int RowWindow::barValue() const {
    return top_ == lastTop() ? barMaximum() : static_cast<int>(top_ / barScale());
}

std::int64_t RowWindow::topAt(int value) const {
    if (value >= barMaximum()) {
        return lastTop(); // the bar at its end shows the last rows, whatever the scale
    }
    return std::clamp<std::int64_t>(std::int64_t{value} * barScale(), 0, lastTop());
}

} // namespace folio::ui
