#include "report_fixture.h"
#include "data/file_faults.h"

void ReportFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    reports.setPrinterFactory([this](QPrinter&, reports::PrinterSettings&) {
        return std::make_unique<reports::RecordingPagePrinter>(document, linesPerPage, failOnLine);
    });
}

void ReportFixture::TearDown() {
    FileFaults::clear();
    books.forget();
}

QString ReportFixture::openBooks(const std::vector<AccountRecord>& records) {
    const QString file = dir.filePath(QStringLiteral("books.dat"));
    writeAccounts(file, records);
    books.select(file);
    return file;
}

void ReportFixture::answerPrint(int copies) {
    dialogs.onPrint = [copies](QPrinter&) { return std::optional<int>(copies); };
}

QString lineStarting(const QStringList& lines, const QString& start) {
    for (const QString& line : lines) {
        if (line.trimmed().startsWith(start)) {
            return line;
        }
    }
    return {};
}

int columnOf(const QString& line, const QString& text) {
    return static_cast<int>(line.indexOf(text)) + 1;
}
