#pragma once
#include <QString>

namespace folio {

class FileError;

// The message for a file another Folio holds, naming it ("File Already Open" first).
QString heldElsewhereMessage(const QString& path);
// The message for a path that cannot be opened as books, naming it and saying why.
QString cannotOpenMessage(const QString& path, const FileError& error);

} // namespace folio
