#pragma once
#include "app/import_command.h"
#include <QString>
#include <QStringList>
#include <optional>

namespace folio::app {

// What `folio --export` is asked to write: which statement, from which books, to which
// file (its extension .pdf or .csv chooses the form), and the company values given on the
// command line in place of the stored ones.
struct ExportRequest {
    QString report; // trial-balance, income-statement, equity, balance-sheet, cash-flows
    QString books;
    QString output;
    std::optional<QString> company;
    std::optional<QString> date;
    std::optional<QString> business; // "Service" or "Mdse"
    std::optional<QString> endingInventory;
    bool compare = false; // beside the prior period's books
    QString compareWith;  // ... or beside these other closed books (implies compare)
};

// What the command line asks for.
struct CommandLine {
    enum class Action { Run, Help, Version, Export, Import, Verify, Copy, SetupServer, Fail };
    Action action = Action::Run;
    QString booksFile; // Run: the books to select at start, or empty; Verify: the books
    ExportRequest exportRequest;
    ImportRequest importRequest;
    QStringList copyPaths; // Copy: FROM and TO; SetupServer: the server's address
    QString error;         // Fail: what was wrong, for the terminal
    // Fail: only options Folio does not know that are Qt's own (-platform ...), read again
    // once the window's application has taken them; any other fails before a display is
    // needed.
    bool unknownOption = false;
};

// Reads the program's arguments (the first one is the program's name).
CommandLine parseCommandLine(const QStringList& arguments);

// The answers of --help and --version, for the terminal.
QString helpText();
QString versionText();

// The statements --export knows, in the order of the tabs.
QStringList exportReportNames();

} // namespace folio::app
