#pragma once
#include "journal/export_writer.h"
#include <QString>
#include <functional>

class QWidget;

namespace folio::journal {

// Runs an export under a progress dialog whose Cancel stops it (nothing is written then).
ExportResult exportWithProgress(QWidget* parent, const QString& title,
                                const std::function<ExportResult(const ExportProgress&)>& run);

} // namespace folio::journal
