#include "journal/export_dialog.h"
#include <QCoreApplication>
#include <QProgressDialog>

namespace folio::journal {

ExportResult exportWithProgress(QWidget* parent, const QString& title,
                                const std::function<ExportResult(const ExportProgress&)>& run) {
    QProgressDialog progress(title, QStringLiteral("&Cancel"), 0, 1000, parent);
    progress.setObjectName(QStringLiteral("dlgExportProgress"));
    progress.setAccessibleName(title);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    const ExportResult result = run([&progress](std::int64_t done, std::int64_t total) {
        progress.setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 1000);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();
    return result;
}

} // namespace folio::journal
