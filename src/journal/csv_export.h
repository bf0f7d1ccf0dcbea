#pragma once
#include "journal/export_writer.h"
#include "journal/journal_store.h"
#include <QString>

namespace folio::journal {

// Writes the applied entries as comma-separated values, one row per line (an entry
// without lines, such as a closing, has one row of its own), with a heading row. The output
// is never one of the files of `books` (ExportRefused).
ExportResult exportCsv(JournalStore& store, const QString& path, const QString& books,
                       const ExportProgress& progress = {});

} // namespace folio::journal
