#include "support/books_fixture.h"
#include "data/text_rules.h"
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

AccountRecord account(const QString& name, const QString& type, const char* current,
                      const char* ytd) {
    return {name, type, money(current), money(ytd)};
}

Money money(const char* text) {
    const auto amount = parseAmount(QString::fromLatin1(text));
    EXPECT_TRUE(amount.has_value()) << text;
    return amount.value_or(Money());
}

AccountTable tableOf(std::vector<AccountRecord> records) {
    return AccountTable{std::move(records)};
}

void writeAccounts(const QString& path, const std::vector<AccountRecord>& records) {
    QByteArray bytes;
    for (const AccountRecord& r : records) {
        const RecordBytes encoded = r.encode();
        bytes.append(reinterpret_cast<const char*>(encoded.data()),
                     static_cast<qsizetype>(encoded.size()));
    }
    writeBytes(path, bytes);
}

std::vector<AccountRecord> readAccounts(const QString& path) {
    const QByteArray bytes = fileBytes(path);
    std::vector<AccountRecord> records;
    for (qsizetype at = 0; at + 62 <= bytes.size(); at += 62) {
        RecordBytes raw{};
        std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData() + at), 62, raw.begin());
        records.push_back(AccountRecord::decode(raw));
    }
    return records;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

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
