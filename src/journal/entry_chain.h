#pragma once
#include "journal/entry.h"
#include <QByteArray>
#include <QString>

namespace folio::journal {

// The SHA-256 hash that seals an entry to every entry before it: the hash of the entry
// before (empty for the first) followed by the entry's own contents (number, kind, the
// time it was made and the date given, memo, user, the entry it reverses, and each line
// with its amounts and images) in one fixed, length-prefixed form. Changing, removing or
// reordering any entry changes the hash of every entry after it.
QByteArray chainedHash(const QByteArray& previous, const Entry& entry);

// The login name of the user running Folio ("" when the system cannot say).
QString loginName();

} // namespace folio::journal
