#pragma once
#include <QString>
#include <optional>

namespace folio::app {

// What `folio --import` is asked to do: which statement, into which books and account,
// with which rules (the books' own when none), and whether to write at all.
struct ImportRequest {
    QString statement;
    QString books;
    QString account;
    std::optional<QString> rules;
    std::optional<QString> dateFormat; // MM/DD/YYYY, DD/MM/YYYY or YYYY-MM-DD
    bool dryRun = false;
};

// Imports a bank statement without a window and says line by line what it did on the
// standard output. Returns the exit status: 0 when the statement was imported (or
// nothing in it was new), 1 with a message on the error output when it was refused and
// nothing was written.
int runImport(const ImportRequest& request);

} // namespace folio::app
