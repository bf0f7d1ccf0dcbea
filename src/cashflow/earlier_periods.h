#pragma once
#include "cashflow/prior_period.h"
#include <QStringList>
#include <optional>

namespace folio::cashflow {

// The books' earlier periods, newest first: the file they were closed from, the file that
// one was closed from, and so on, each once, as far as the journals tell (and `locate`
// finds the books, for books on a server). Empty for books never closed. Throws FileError
// when a journal cannot be read.
QStringList earlierPeriods(journal::JournalStore* store, const BooksLocator& locate = {},
                           int most = 36);

// The period of other books chosen to compare with: the file as it is now, ended at its
// last closing, its ending inventory as the closed copy of that closing began. Empty, with
// the words why, when the file was never closed or that copy is gone.
struct ChosenPrior {
    std::optional<PriorPeriod> prior;
    QString refusal;
};
// Books on a server are named by `locate`, as the closings recorded them. Throws FileError
// when a file or a journal cannot be read, and MoneyOverflow.
ChosenPrior chosenPriorPeriod(const QString& path, const statements::CompanyInfo& company,
                              const BooksLocator& locate = {});

// The copy a closing entry's words close into ("Monthly closing into /books/acme.dat1").
std::optional<QString> closedIntoOf(const QString& memo);

} // namespace folio::cashflow
