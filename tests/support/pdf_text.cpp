#include "support/pdf_text.h"
#include <QProcess>
#include <gtest/gtest.h>

QString pdfTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& pdf) {
    return pdfTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}
