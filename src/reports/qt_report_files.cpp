#include "reports/qt_report_files.h"
#include "data/export_file.h"
#include "data/file_error.h"
#include "reports/page_frame.h"
#include "reports/qt_page_printer.h"
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <cerrno>

namespace folio::reports {

void printCopiesOn(PagePrinter& page, const std::vector<PrintLine>& lines, int copies,
                   bool setsFont) {
    for (int copy = 1; copy <= copies; ++copy) {
        page.startReport(pageFrameOf(lines));
        if (setsFont) {
            page.setFontName(QStringLiteral("Times New Roman"));
            page.setFontSize(10);
            page.setPrintQuality(300);
        }
        for (const PrintLine& line : lines) {
            page.printLine(line);
        }
        page.newPage();
    }
}

void writeReportPdf(const std::vector<PrintLine>& lines, const QString& path,
                    const QString& books) {
    ExportFile out(path, books);
    // The printer writes to a file of its own in a private folder; the export file then
    // takes its bytes, so no planted name beside the output is ever opened by the printer.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        throw FileError::fromErrno(EACCES);
    }
    const QString drawn = scratch.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(drawn);
    useDefaultPaper(printer);
    PrinterSettings settings;
    {
        QtPagePrinter page(printer, settings);
        try {
            printCopiesOn(page, lines, 1, true);
            page.endDocument();
        } catch (const PrintError&) {
            page.abort();
            throw;
        }
    }
    QFile pdf(drawn);
    if (!pdf.open(QIODevice::ReadOnly)) {
        throw PrintError();
    }
    out.write(pdf.readAll());
    out.commit();
}

void writeTextFile(const QString& path, const QString& text, const QString& books) {
    writeTextFile(
        path, [&text](const auto& write) { write(text); }, books);
}

void writeTextFile(const QString& path, const TextPieces& produce, const QString& books) {
    ExportFile out(path, books);
    produce([&out](const QString& piece) { out.write(piece.toUtf8()); });
    out.commit();
}

} // namespace folio::reports
