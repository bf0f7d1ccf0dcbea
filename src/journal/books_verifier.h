#pragma once
#include <QString>
#include <cstdint>

namespace folio::journal {

// What checking a journal against its books found.
struct Verification {
    bool held = false;
    std::int64_t entries = 0; // the entries checked
    QString problem;          // the first thing that does not hold, naming the entry
};

// Checks, without writing anything, that every entry of the books' journal is sealed to
// the one before it by its hash, that none is missing, that each follows from the books
// as the entries before it left them, and that replaying them all gives the books file.
Verification verifyBooks(const QString& booksPath);

// The line `folio --verify` prints for a verification.
QString verificationReport(const QString& booksPath, const Verification& verification);

} // namespace folio::journal
