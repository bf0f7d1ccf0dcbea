#pragma once
#include "app/frm_select.h"
#include "data/account_record.h"
#include "data/account_table.h"
#include "support/fake_dialogs.h"
#include <QByteArray>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// An account record for a test: amounts as decimal text ("1000", "-25.5").
AccountRecord account(const QString& name, const QString& type, const char* current = "0",
                      const char* ytd = "0");
// A money amount from decimal text.
Money money(const char* text);
// An account table entry for the rules' tests, amounts as decimal text.
AccountEntry entry(const char* name, const char* type, const char* current, const char* ytd = "0");
AccountTable tableOf(std::vector<AccountEntry> entries);

// Writes records as an accounts file, replacing what was there.
void writeAccounts(const QString& path, const std::vector<AccountRecord>& records);
// The records of a file (its length rounded down to whole records).
std::vector<AccountRecord> readAccounts(const QString& path);
QByteArray fileBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// A real main window over files in a temporary folder, answered by FakeDialogs.
class BooksFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    QString path(const QString& name) const { return dir.filePath(name); }
    // Chooses a file through File, Select File.
    void selectFile(const QString& filePath);
    // Writes the accounts and selects the file; returns its path.
    QString openBooks(const std::vector<AccountRecord>& records,
                      const QString& name = QStringLiteral("books.dat"));
    void showTab(int index);

    template <typename T> T* find(const QString& objectName) const {
        T* widget = window->findChild<T*>(objectName);
        EXPECT_NE(widget, nullptr) << objectName.toStdString();
        return widget;
    }
    QString text(const QString& objectName) const;
    void setText(const QString& objectName, const QString& value);
    void click(const QString& buttonName);

    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<frmSelect> window;
};
