#include "reports/dollar_line.h"
#include "reports/print_masks.h"

namespace folio::reports {

PrintLine dollarLine(const QString& name, int first, int second, const Amounts& amounts) {
    return PrintLine()
        .text(name)
        .tab(first)
        .text(dollarMask(amounts.current))
        .tab(second)
        .text(dollarMask(amounts.ytd));
}

} // namespace folio::reports
