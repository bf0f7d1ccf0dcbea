#pragma once
#include "data/books_state.h"
#include "reports/recording_page_printer.h"
#include "reports/report_printer.h"
#include "support/books_fixture.h"
#include <QMap>

// A window that only answers which text its boxes hold.
class FakeWindow : public MainWindowPort {
  public:
    void setCaption(const QString&) override {}
    int shownTab() const override { return 0; }
    void showTab(int) override {}
    void hideTabs() override {}
    QString boxText(const QString& objectName) const override { return boxes.value(objectName); }

    QMap<QString, QString> boxes;
};

// The report handlers over real files in a temporary folder, printing to text.
class ReportFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the accounts and makes the file the selected one; returns its path.
    QString openBooks(const std::vector<AccountRecord>& records);
    // The print dialog answers with this many copies.
    void answerPrint(int copies);
    QStringList printed() const { return document.lines(); }

    QTemporaryDir dir;
    BooksState books;
    FakeDialogs dialogs;
    FakeWindow window;
    RecordedDocument document;
    int linesPerPage = 0;
    int failOnLine = 0;
    ReportPrinter reports{TabContext{books, dialogs, window}};
};

// The line that begins with `start` (after blanks); empty when none does.
QString lineStarting(const QStringList& lines, const QString& start);
// The 1-based column where `text` stands in `line`; 0 when it is not there.
int columnOf(const QString& line, const QString& text);
