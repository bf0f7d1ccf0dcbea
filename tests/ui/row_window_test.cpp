// Which rows a long listing's grid holds and shows, and how its scroll bar maps onto it.
#include "ui/row_window.h"
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

using folio::ui::RowWindow;

namespace {

RowWindow windowOf(std::int64_t rows, std::int64_t page, std::int64_t top) {
    RowWindow window;
    window.reset(rows);
    window.setPage(page);
    window.setTop(top);
    return window;
}

// The rows held cover the page wherever it stands, and at least a hundred of them when
// there are; the top never passes the last full page.
TEST(RowWindow, HoldsThePageAndNoMore) {
    const struct {
        std::int64_t rows, page, top;
        std::int64_t shownTop, first, held;
    } cases[] = {
        {0, 20, 0, 0, 0, 0},
        {9, 20, 5, 0, 0, 9},
        {150, 20, 0, 0, 0, 100},
        {150, 20, 49, 49, 49, 100},
        {150, 20, 130, 130, 50, 100}, // the end: the held rows stop at the last
        {150, 20, 900, 130, 50, 100}, // past the end: the last full page
        {200000, 20, -5, 0, 0, 100},
        {200000, 20, 123456, 123456, 123456, 100},
        {200000, 150, 1000, 1000, 1000, 151}, // a tall screen holds a page and one more
        {17'300'000, 25, 17'299'975, 17'299'975, 17'299'900, 100},
    };
    for (const auto& c : cases) {
        const RowWindow window = windowOf(c.rows, c.page, c.top);
        EXPECT_EQ(window.top(), c.shownTop) << c.rows << " " << c.top;
        EXPECT_EQ(window.first(), c.first) << c.rows << " " << c.top;
        EXPECT_EQ(window.held(), c.held) << c.rows << " " << c.top;
        EXPECT_LE(window.offset() + window.page(), std::max(window.held(), window.page()));
    }
}

// The bar's int range covers any listing: beyond it each step of the bar is several rows,
// and the bar's end is the listing's end.
TEST(RowWindow, TheBarSpansListingsBeyondItsRange) {
    const struct {
        std::int64_t rows;
        int maximum;
    } cases[] = {
        {1000, 980},
        {17'300'000, 17'299'980},
        {std::int64_t{INT_MAX} + 20, INT_MAX / 2}, // two rows a step
        {std::int64_t{3} * INT_MAX, INT_MAX - 7},  // three rows a step
    };
    for (const auto& c : cases) {
        RowWindow window = windowOf(c.rows, 20, 0);
        EXPECT_EQ(window.barMaximum(), c.maximum) << c.rows;
        EXPECT_EQ(window.topAt(window.barMaximum()), c.rows - 20) << c.rows;
        window.setTop(c.rows - 20);
        EXPECT_EQ(window.barValue(), window.barMaximum()) << c.rows;
        const std::int64_t middle = window.topAt(window.barMaximum() / 2);
        window.setTop(middle);
        EXPECT_EQ(window.barValue(), window.barMaximum() / 2) << c.rows;
        EXPECT_LE(std::abs(middle - (c.rows - 20) / 2), c.rows / INT_MAX + 1) << c.rows;
    }
}

} // namespace
