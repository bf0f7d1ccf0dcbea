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
#include <stdexcept>
#include <vector>

using namespace folio;

// An account record for a test: amounts as decimal text ("1000", "-25.5").
AccountRecord account(const QString& name, const QString& type, const char* current = "0",
                      const char* ytd = "0");
// A money amount from decimal text.
Money money(const char* text);
AccountTable tableOf(std::vector<AccountRecord> records);

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
    void showTab(ui::Tab tab);

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
    std::unique_ptr<app::frmSelect> window;
};

QT_BEGIN_NAMESPACE
// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace folio {
inline void PrintTo(const AccountRecord& a, std::ostream* out) {
    *out << a.name.toStdString() << " (" << a.type.toStdString() << ") " << a.current.raw() << " / "
         << a.ytd.raw();
}
} // namespace folio
