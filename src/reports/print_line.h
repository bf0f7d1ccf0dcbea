#pragma once
#include <QString>
#include <functional>
#include <vector>

namespace folio::reports {

// One line for the page printer: Tab(n) moves and texts, left to right, as a report
// lays out its columns. An empty line prints nothing and moves down one line.
class PrintLine {
  public:
    struct Item {
        bool isTab;
        int column; // for a tab move, or the column a right-aligned text ends in
        QString text;
        bool rightAligned = false;
    };

    PrintLine& tab(int column);
    PrintLine& text(const QString& text);
    // A text that ends in `column`, as amounts line up on their right.
    PrintLine& rightAligned(int column, const QString& text);
    // The text at the column that centres it on a line of `width` columns.
    PrintLine& centred(int width, const QString& text);

    const std::vector<Item>& items() const { return items_; }

  private:
    std::vector<Item> items_;
};

// The column that centres a text of `length` characters on `width` columns:
// (width - length) / 2 to the nearest whole number, a half going to the even one.
int centredColumn(int width, int length);

// Where one text of a line lands: the row below the line's first row (a tab to a column
// left of the position continues on the next row) and its offset from the left margin.
struct Placement {
    int row;
    double x;
    QString text;
};

// A line laid out: its texts and the number of rows it takes (at least one).
struct PlacedLine {
    std::vector<Placement> texts;
    int rows = 1;
};

// Places the items of a line. Columns count from 1 in units of `columnWidth`; a column
// below 1 counts as 1; `advance` gives the width of a text in the same units. A text that
// would begin left of where the line has got to (after a tab back, or a right-aligned
// text that would overlap the one before) continues on the next row.
PlacedLine placeLine(const PrintLine& line, double columnWidth,
                     const std::function<double(const QString&)>& advance);

} // namespace folio::reports
