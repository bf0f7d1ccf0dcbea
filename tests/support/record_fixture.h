#pragma once
#include "data/account_record.h"
#include "data/account_table.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
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
// The accounts of a chart file: a line of name, type, current and year to date balances
// parted by tabs for each, "(blank)" for a blank record, "#" before a comment.
std::vector<AccountRecord> readChart(const QString& path);

// The cases of a table kept in a data file: a case a line, its fields parted by "|" and
// trimmed; blank lines and lines starting with "#" left out.
std::vector<QStringList> readCases(const QString& path);

// Adds to the balances of a record (numbered from 1) of `records`: amounts as decimal text.
void addTo(std::vector<AccountRecord>& records, int record, const char* current, const char* ytd);

// Writes records as an accounts file, replacing what was there.
void writeAccounts(const QString& path, const std::vector<AccountRecord>& records);
// The records of a file (its length rounded down to whole records).
std::vector<AccountRecord> readAccounts(const QString& path);
QByteArray fileBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// What a tool (pdftotext, hledger, ...) printed; a test failure when it does not succeed.
QString toolOutput(const QString& program, const QStringList& arguments);
// The text of a PDF file, laid out as printed.
QString pdfText(const QString& pdf);

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
