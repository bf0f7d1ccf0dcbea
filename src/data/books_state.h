#pragma once
#include "data/account_record.h"
#include "data/account_table.h"
#include "data/file_table.h"
#include "data/money.h"
#include <QString>
#include <optional>

// Everything the main window knows for the whole run: the accounts file and its handle,
// the record shown on the setup tab, the figures one statement leaves for the next and
// the company values. None of it is saved; only the accounts file outlives the program.
struct BooksState {
    FileTable files;

    QString Tag; // the path chosen with Select File (the window's tag text)
    QString SelectedFile;
    int FileNumber = 0;
    int RecordLength = 62;
    int RecordCount = 0;
    int CurrentRecord = 0;
    AccountRecord CurrentAccount;

    Money NetIncome;
    Money YtdNetIncome;
    Money BegCap;
    Money YtdBegCap;
    Money CapStock;
    Money YtdCapStock;

    QString CompanyName;
    std::optional<QString> EndingInventory; // the text typed at the prompt; unset before
    QString BusinessType;                   // "Mdse", "Service" or empty (the tab control's tag)

    // Opens the accounts file again under the chosen path: SelectedFile := Tag, the
    // previous handle is released and a fresh number becomes FileNumber.
    void reopen();
    // Opens a path under a fresh number that becomes FileNumber (the previous handle is
    // released first, so handles never grow with use).
    void openFile(const QString& path);
    // Opens the accounts file again and reads its records into a table (at most a table's
    // worth): RecordCount becomes the records read less those with an empty name and
    // CurrentRecord one past the last record read.
    AccountTable reopenAndRead();
};
