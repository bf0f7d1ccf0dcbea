#include "support/books_fixture.h"
#include "journal/books_journal.h"
#include "journal/file_image.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTabWidget>
#include <QTest>

void BooksFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    window = std::make_unique<app::MainWindow>(dialogs);
    window->show();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get(), 1000);
}

void BooksFixture::TearDown() {
    window.reset();
}

void BooksFixture::selectFile(const QString& filePath) {
    dialogs.fileNames.push_back(filePath);
    window->chooseBooksFile();
}

QString BooksFixture::openBooks(const std::vector<AccountRecord>& records, const QString& name) {
    const QString filePath = path(name);
    writeAccounts(filePath, records);
    selectFile(filePath);
    return filePath;
}

void BooksFixture::showTab(ui::Tab tab) {
    window->tabControl()->setCurrentIndex(ui::indexOf(tab));
    QCoreApplication::processEvents(); // a tab that sends the user elsewhere does so now
}

QString BooksFixture::text(const QString& objectName) const {
    return find<QLineEdit>(objectName)->text();
}

void BooksFixture::setText(const QString& objectName, const QString& value) {
    find<QLineEdit>(objectName)->setText(value);
}

void BooksFixture::click(const QString& buttonName) {
    QTest::mouseClick(find<QAbstractButton>(buttonName), Qt::LeftButton);
}

void BooksFixture::setCompany(statements::Business business, std::optional<Money> ending,
                              const QString& date) {
    window->company() = {"Kestrow Supply Co.", date, business, ending};
}

void BooksFixture::choose(int row) {
    auto* grid = find<QAbstractItemView>("MSFlexGrid3");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, 1));
}

void BooksFixture::postOnTab(int row, const QString& debit, const QString& credit,
                             const QString& memo, const QString& date) {
    showFresh(ui::Tab::Posting);
    choose(row);
    setText("txtPostDebit", debit);
    setText("txtPostCredit", credit);
    setText("txtPostMemo", memo);
    if (!date.isEmpty()) {
        setText("txtPostDate", date);
    }
    click("cmdOKPost");
}

void BooksFixture::printInto(reports::RecordedDocument& document, int linesPerPage) {
    window->reports().setPrinterFactory(
        [&document, linesPerPage](QPrinter&, reports::PrinterSettings&) {
            return std::make_unique<reports::RecordingPagePrinter>(document, linesPerPage);
        });
    dialogs.onPrint = [](QPrinter&) { return std::optional<int>(1); };
}

QString BooksFixture::printIntoPdf(const QString& name, int copies) {
    const QString pdf = path(name);
    dialogs.onPrint = [pdf, copies](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return std::optional<int>(copies);
    };
    return pdf;
}

void BooksFixture::closeMonthly(bool yes) {
    showFresh(ui::Tab::BalanceSheet);
    dialogs.yesNoAnswers.push_back(yes);
    QTest::mouseClick(find<QCheckBox>("chkMonthly"), Qt::LeftButton);
}

void leavePostingPending(const QString& books, int record, Money debit, Money credit) {
    using namespace folio::journal;
    FileTable files;
    files.open(1, books);
    BooksJournal journal;
    journal.open({files, 1, books});
    const AccountRecord before = readAccounts(books)[static_cast<std::size_t>(record - 1)];
    AccountRecord after = before;
    after.current = after.current + (before.type.startsWith('D') ? debit - credit : credit - debit);
    Entry entry;
    entry.kind = EntryKind::Posting;
    entry.lines = {lineFor(record, before, after, debit, credit)};
    BooksShape shape{digestOfImage(applied(fileBytes(books), entry)), journal.store().undoState()};
    journal.store().commit(entry, shape, 0, false, digestOfImage(fileBytes(books)));
    journal.store().database().keepLogOnClose();
}
