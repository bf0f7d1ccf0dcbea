#pragma once
#include "data/file_rewrite.h"
#include <QString>
#include <optional>

namespace folio {

class FileTable;

// What a search of the accounts file for a name found: the first record of that name or
// none, or that the user stopped it.
struct NameSearch {
    std::optional<int> found;
    bool stopped = false;
};

// The lowest record number from 1 to `count` whose name, trimmed and upper-cased, equals
// `upperName`, read a chunk at a time; most records are ruled out by their bytes alone,
// without making a text of their names.
NameSearch findNamed(FileTable& files, int number, int count, const QString& upperName,
                     const Progress& progress = {});

} // namespace folio
