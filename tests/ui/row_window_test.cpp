// Which rows a long listing's grid holds and shows, and how its scroll bar maps onto it.
#include "support/record_fixture.h"
#include "ui/row_window.h"
#include <climits>
#include <cstdlib>

using folio::ui::RowWindow;

namespace {

RowWindow windowOf(std::int64_t rows, std::int64_t page, std::int64_t top) {
    RowWindow window;
    window.reset(rows);
    window.setPage(page);
    window.setTop(top);
    return window;
}

// The rows held are the whole listing up to a hundred thousand; past that they cover the
// page wherever it stands, and at least a hundred of them; the top never passes the last
// full page.
TEST(RowWindow, HoldsThePageAndNoMore) {
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/row_windows.txt")) {
        const auto n = [&c](int i) { return c[i].toLongLong(); };
        const RowWindow window = windowOf(n(0), n(1), n(2));
        EXPECT_EQ(window.top(), n(3)) << c.join('|').toStdString();
        EXPECT_EQ(window.first(), n(4)) << c.join('|').toStdString();
        EXPECT_EQ(window.held(), n(5)) << c.join('|').toStdString();
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
