#pragma once
#include "support/books_fixture.h"
#include <vector>

// A chart of a few accounts of a service business, ending with the blank record that a
// posting leaves after the last account.
std::vector<AccountRecord> smallChart();

// The window driven through the actions that write the accounts file or its closed copies.
class ActionsFixture : public BooksFixture {
  protected:
    void reselect(const QString& file);
    void enterFresh(int tab); // shown from tab 2, so its entry runs
    void fillCompany();
    void enterStatements();
    // Chooses a grid row and types a debit; post() then posts it.
    void preparePosting(int row, const QString& debit);
    void post();
    void chooseRecord(int record); // on the setup tab, walking from record 1
    void deleteShown();
    void closeBooks(bool yearly);
    // Files in the folder whose name ends in ".TMP" or "TMP~" (temporary copies).
    QStringList temporaryFiles() const;
};
