#pragma once
#include "bank/statement.h"

namespace folio::bank {

// Reads the bank or card transactions of an OFX 1.x (SGML), OFX 2.x (XML) or QFX file
// through libofx. Throws StatementError when the file holds no statement or a
// transaction lacks its date or amount (named by its place and FITID).
std::vector<StatementLine> readOfx(const QString& path);

} // namespace folio::bank
