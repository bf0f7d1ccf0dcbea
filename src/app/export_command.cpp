#include "app/export_command.h"
#include <cstdio>

namespace folio::app {

int runExport(const ExportRequest&, int, char*[]) {
    std::fputs("folio: export is not ready yet\n", stderr);
    return 1;
}

} // namespace folio::app
