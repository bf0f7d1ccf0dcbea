#pragma once
#include "data/account_record.h"
#include <QString>
#include <vector>

// A chart of 49 accounts of every type.
std::vector<folio::AccountRecord> chartOf49();
// Writes the books afresh, without a journal.
void writeBooks(const QString& path, const std::vector<folio::AccountRecord>& records);
// The journal of books of chartOf49() holding a million one-line postings, made on the first
// call in the temporary folder (`folio-bench/million.dat.journal`) and kept between runs.
QString millionJournal();
