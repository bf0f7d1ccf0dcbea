#pragma once
#include "app/command_line.h"

namespace folio::app {

// Writes one statement of the books to a PDF or CSV file without a window (no display is
// needed). Returns the exit status: 0 when the file was written, 1 with a message on the
// error output when it was not.
int runExport(const ExportRequest& request, int argc, char* argv[]);

} // namespace folio::app
