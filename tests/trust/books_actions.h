#pragma once
#include "support/books_fixture.h"
#include <functional>
#include <vector>

// A chart of a few accounts of a service business, ending with the blank record that a
// posting leaves after the last account.
std::vector<AccountRecord> smallChart();

// An action that writes a file: prepared from scratch, then done once.
struct WritingAction {
    const char* name;
    std::function<void()> prepare;
    std::function<void()> act;
    QString target;    // the file the action writes
    QString untouched; // a file the action must leave alone (or empty)
};

// The window driven through the actions that write the accounts file or its closed copies.
class ActionsFixture : public BooksFixture {
  protected:
    // Every action that writes the books or a closed copy, on books.dat of smallChart().
    std::vector<WritingAction> writingActions();
    // The company of these books: a service business, its year ending 12/31/2026.
    void fillCompany() { setCompany(statements::Business::Service, std::nullopt, "12/31/2026"); }
    void chooseRecord(int record); // on the setup tab, walking from record 1
    // Types zero balances into the shown account and saves it (an account with a balance
    // is not deleted); the shown record is not the last.
    void clearBalances();
    void deleteShown();
    void closeBooks(bool yearly); // answering Yes to the question
    void reopenPeriod();          // closed books opened again, with a reason
    // What the actions reported: the messages shown, without questions and the note
    // that says where a closed copy went.
    QStringList reported() const;
    // Temporary files left in the folder (Folio's own end in ".tmp"; older ones in ".TMP").
    QStringList temporaryFiles() const;
};
