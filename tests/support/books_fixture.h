#pragma once
#include "app/main_window.h"
#include "support/fake_dialogs.h"
#include "support/record_fixture.h"
#include "support/recording_page_printer.h"
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <stdexcept>

// A real main window over files in a temporary folder, answered by FakeDialogs.
class BooksFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& name) const { return dir.filePath(name); }
    // Chooses a file through File, Select File.
    void selectFile(const QString& filePath);
    // Writes the accounts and selects the file; returns its path.
    QString openBooks(const std::vector<AccountRecord>& records, const QString& name = "books.dat");
    void showTab(ui::Tab tab);
    // Shows the tab from the blank tab, so that its entry runs.
    void showFresh(ui::Tab tab) {
        showTab(ui::Tab::Blank);
        showTab(tab);
    }
    // The company of every test: Kestrow Supply Co., of this business, on this date.
    void setCompany(statements::Business business, std::optional<Money> ending = std::nullopt,
                    const QString& date = "3/31/2026");
    // Chooses the row of the posting tab's grid, which has the focus.
    void choose(int row);
    // Posts on the posting tab, entered afresh, to the account of that row.
    void postOnTab(int row, const QString& debit, const QString& credit = QString(),
                   const QString& memo = QString(), const QString& date = QString());
    // Prints go into `document`, one copy each, on pages of that many lines (0: one page).
    void printInto(reports::RecordedDocument& document, int linesPerPage = 0);
    // The print dialog answers with a PDF of this name in the test's folder and the copies;
    // returns the PDF's path.
    QString printIntoPdf(const QString& name, int copies = 1);
    // Closes the month from the balance sheet tab, entered afresh, answering the question.
    void closeMonthly(bool yes = true);

    // The widget of that name; a missing one fails the test and ends it.
    template <typename T> T* find(const QString& objectName) const {
        T* widget = window->findChild<T*>(objectName);
        if (widget == nullptr) {
            ADD_FAILURE() << "no widget " << objectName.toStdString();
            throw std::runtime_error("widget missing");
        }
        return widget;
    }
    QString text(const QString& objectName) const;
    void setText(const QString& objectName, const QString& value);
    void click(const QString& buttonName);

    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<app::MainWindow> window;
};

// Books as a Folio left them when it stopped after its journal took a posting to `record`
// (counted from 1), in the journal's log only, and before the posting reached the books.
void leavePostingPending(const QString& books, int record, Money debit, Money credit = Money());
