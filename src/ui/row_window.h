#pragma once
#include <cstdint>

namespace folio::ui {

// Which rows of a long listing a grid holds and shows: the rows on screen (a page) start at
// the top row, and the grid's model holds a few more than a page around them, so the
// view's own memory follows the screen and not the listing. Positions are 64-bit; a
// scroll bar, whose range is an int, is mapped onto them.
class RowWindow {
  public:
    static constexpr std::int64_t kHeld = 100; // rows held at least, when the listing has them

    enum class Move { Up, Down, PageUp, PageDown, First, Last };

    // A listing of `rows` rows, shown from its first.
    void reset(std::int64_t rows);
    // The rows that fit on screen whole (at least one).
    void setPage(std::int64_t page);

    std::int64_t rows() const { return rows_; }
    std::int64_t page() const { return page_; }
    std::int64_t top() const { return top_; }
    // The rows held: the first of them and how many.
    std::int64_t first() const;
    std::int64_t held() const;
    // Where the top row lies among the rows held.
    std::int64_t offset() const { return top_ - first(); }

    void setTop(std::int64_t top);
    // Scrolls as little as brings `row` onto the page.
    void show(std::int64_t row);
    // The row a move from `from` (-1: none yet) reaches, kept within the listing.
    std::int64_t moved(Move move, std::int64_t from) const;

    // The scroll bar: its largest value, the value for the top row and the top row for a value.
    int barMaximum() const;
    int barValue() const;
    std::int64_t topAt(int value) const;

  private:
    std::int64_t lastTop() const;
    std::int64_t barScale() const;

    std::int64_t rows_ = 0;
    std::int64_t page_ = 1;
    std::int64_t top_ = 0;
};

} // namespace folio::ui
