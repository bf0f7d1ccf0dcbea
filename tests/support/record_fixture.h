#pragma once
#include "data/account_record.h"
#include "data/account_table.h"
#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>
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
