#include "reports/page_frame.h"

namespace folio::reports {

PageFrame pageFrameOf(const std::vector<PrintLine>& lines, int width) {
    PageFrame frame;
    frame.width = width;
    for (const PrintLine& line : lines) {
        if (line.items().empty()) {
            break;
        }
        frame.heading.push_back(line);
    }
    return frame;
}

} // namespace folio::reports
