#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace folio::app {

// Where Folio keeps what it remembers between runs: the recent books and the window's
// place. Nothing of the books themselves is kept there.
std::unique_ptr<QSettings> userSettings();

// The books opened lately, newest first, as File, Open Recent lists them.
class RecentFiles {
  public:
    static constexpr int kMaximum = 8;

    // The list with `path` (made absolute) put first and only once, at most kMaximum long.
    static QStringList withFirst(QStringList list, const QString& path);

    // Whether a kept name is the address of server books rather than a file's path.
    static bool isServerAddress(const QString& name);
    // The kept paths whose files still exist, and the server addresses; missing files are
    // dropped from the settings.
    static QStringList existing();
    // Puts a path first in the kept list.
    static void add(const QString& path);
    static void clear();
};

} // namespace folio::app
