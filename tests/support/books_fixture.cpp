#include "support/books_fixture.h"
#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

void BooksFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    window = std::make_unique<app::frmSelect>(dialogs);
    window->show();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get(), 1000);
}

void BooksFixture::TearDown() {
    window.reset();
}

void BooksFixture::selectFile(const QString& filePath) {
    dialogs.fileNames.push_back(filePath);
    window->mnuSelectFile_Click();
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
