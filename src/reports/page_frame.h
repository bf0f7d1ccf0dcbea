#pragma once
#include "reports/print_line.h"
#include <vector>

namespace folio::reports {

// How each page of a report is framed: the heading lines that open every page after the
// first (the report's own lines open the first one), and the page number, "Page n",
// centred on a line of `width` columns at the foot of each page.
struct PageFrame {
    std::vector<PrintLine> heading;
    int width = 0;
};

// The frame of a report laid out in `lines`: its heading is the lines before the first
// empty one (the company name, the title and the date).
PageFrame pageFrameOf(const std::vector<PrintLine>& lines, int width = 92);

} // namespace folio::reports
