#include "reports/print_line.h"
#include <algorithm>

namespace folio::reports {

PrintLine& PrintLine::tab(int column) {
    items_.push_back({true, column, QString()});
    return *this;
}

PrintLine& PrintLine::text(const QString& text) {
    items_.push_back({false, 0, text});
    return *this;
}

PrintLine& PrintLine::rightAligned(int column, const QString& text) {
    items_.push_back({false, column, text, true});
    return *this;
}

PrintLine& PrintLine::centred(int width, const QString& text) {
    return tab(centredColumn(width, static_cast<int>(text.size()))).text(text);
}

int centredColumn(int width, int length) {
    const int twice = width - length;
    if (twice % 2 == 0) {
        return twice / 2;
    }
    const int below = (twice - 1) / 2; // exact: twice - 1 is even
    return below % 2 == 0 ? below : below + 1;
}

PlacedLine placeLine(const PrintLine& line, double columnWidth,
                     const std::function<double(const QString&)>& advance) {
    PlacedLine placed;
    int row = 0;
    double position = 0;
    for (const PrintLine::Item& item : line.items()) {
        if (item.isTab) {
            const double target = (std::max(item.column, 1) - 1) * columnWidth;
            if (target < position) {
                ++row;
            }
            position = target;
        } else {
            if (item.rightAligned) {
                const double target = std::max(item.column, 1) * columnWidth - advance(item.text);
                if (target < position) {
                    ++row;
                }
                position = std::max(target, 0.0);
            }
            placed.texts.push_back({row, position, item.text});
            position += advance(item.text);
        }
    }
    placed.rows = row + 1;
    return placed;
}

} // namespace folio::reports
