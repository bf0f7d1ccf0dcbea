#pragma once
#include "reports/page_printer.h"
#include "reports/print_line.h"
#include <QString>
#include <functional>
#include <vector>

namespace folio::reports {

// Lays out the copies of a report on a page printer, each copy framed (its heading on
// every page, its pages numbered) and ended with a page break. The document is not ended.
void printCopiesOn(PagePrinter& page, const std::vector<PrintLine>& lines, int copies,
                   bool setsFont);

// Writes one copy of a report to a PDF file as the printer prints it (in the reports' own
// font), with no printer: the file appears whole or not at all, and a file of that name
// is replaced only when the new one is complete. Throws PrintError or FileError, and
// ExportRefused when `path` is one of the files of `books`.
void writeReportPdf(const std::vector<PrintLine>& lines, const QString& path, const QString& books);

// Writes a text file (UTF-8) whole or not at all, never over one of the files of `books`.
// Throws FileError or ExportRefused.
void writeTextFile(const QString& path, const QString& text, const QString& books);
// The same, written a piece at a time as `produce` hands the pieces to the function it is
// given: the text is never held whole.
using TextPieces = std::function<void(const std::function<void(const QString& piece)>& write)>;
void writeTextFile(const QString& path, const TextPieces& produce, const QString& books);

} // namespace folio::reports
