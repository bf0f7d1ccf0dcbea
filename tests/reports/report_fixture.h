#pragma once
#include "data/books.h"
#include "reports/report_printer.h"
#include "statements/company_info.h"
#include "support/books_fixture.h"
#include "support/recording_page_printer.h"
#include <QMap>

// A window that shows nothing.
class FakeWindow : public ui::MainWindowPort {
  public:
    void setCaption(const QString&) override {}
    ui::Tab shownTab() const override { return ui::Tab::Blank; }
    void showTabLater(ui::Tab) override {}
    void hideTabs() override {}
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
    session::BooksSession session;
    Books& books = session.books();
    statements::CompanyInfo& company = session.company();
    FakeDialogs dialogs;
    FakeWindow window;
    reports::RecordedDocument document;
    int linesPerPage = 0;
    int failOnLine = 0;
    reports::ReportPrinter reports{ui::TabContext{session, dialogs, window}};
};

// The line that begins with `start` (after blanks); empty when none does.
QString lineStarting(const QStringList& lines, const QString& start);
// The 1-based column where `text` stands in `line`; 0 when it is not there.
int columnOf(const QString& line, const QString& text);
