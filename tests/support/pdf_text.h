#pragma once
#include <QString>
#include <QStringList>

// What a poppler tool prints for a PDF file (pdftotext, pdfinfo, pdffonts), waited for.
QString pdfTool(const QString& program, const QStringList& arguments);
// The text of a PDF file laid out as on its pages (pdftotext -layout).
QString pdfText(const QString& pdf);
