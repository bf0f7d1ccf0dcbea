#include "reports/qt_report_files.h"
#include "data/file_error.h"
#include "data/file_table.h"
#include "reports/page_frame.h"
#include "reports/qt_page_printer.h"
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>

namespace folio::reports {

namespace {

// The number of the failure a QFileDevice met, in the program's table of file errors.
FileError fileErrorOf(QFileDevice::FileError error, const QString& path) {
    const bool folderMissing = !QFileInfo(QFileInfo(path).absolutePath()).isDir();
    switch (error) {
    case QFileDevice::PermissionsError:
        return FileError::fromErrno(EACCES);
    case QFileDevice::ResourceError:
        return FileError::fromErrno(ENOSPC);
    default:
        return FileError::fromErrno(ENOENT, folderMissing);
    }
}

} // namespace

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

void writeReportPdf(const std::vector<PrintLine>& lines, const QString& path) {
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        throw FileError::fromErrno(ENOENT, true);
    }
    const QString partial = path + QStringLiteral(".part");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partial);
    PrinterSettings settings;
    {
        QtPagePrinter page(printer, settings);
        try {
            printCopiesOn(page, lines, 1, true);
            page.endDocument();
        } catch (const PrintError&) {
            page.abort();
            QFile::remove(partial);
            throw;
        }
    }
    if (!QFileInfo(partial).isFile()) {
        throw PrintError();
    }
    try {
        FileTable::rename(partial, path);
    } catch (const FileError&) {
        QFile::remove(partial);
        throw;
    }
}

void writeTextFile(const QString& path, const QString& text) {
    writeTextFile(path, [&text](const auto& write) { write(text); });
}

void writeTextFile(const QString& path, const TextPieces& produce) {
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        produce(
            [&](const QString& piece) { written = written && file.write(piece.toUtf8()) >= 0; });
    }
    if (!written || !file.commit()) {
        throw fileErrorOf(file.error(), path);
    }
}

} // namespace folio::reports
