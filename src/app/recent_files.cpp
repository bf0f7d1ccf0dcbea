#include "app/recent_files.h"
#include <QFileInfo>
#include <QSettings>

namespace folio::app {

namespace {
const QString kKey = QStringLiteral("recentFiles");

void store(const QStringList& list) {
    userSettings()->setValue(kKey, list);
}
} // namespace

std::unique_ptr<QSettings> userSettings() {
    return std::make_unique<QSettings>(QStringLiteral("Folio"), QStringLiteral("Folio"));
}

QStringList RecentFiles::withFirst(QStringList list, const QString& path) {
    const QString absolute = isServerAddress(path) ? path : QFileInfo(path).absoluteFilePath();
    list.removeAll(absolute);
    list.prepend(absolute);
    while (list.size() > kMaximum) {
        list.removeLast();
    }
    return list;
}

QStringList RecentFiles::existing() {
    const QStringList kept = userSettings()->value(kKey).toStringList();
    QStringList found;
    for (const QString& path : kept) {
        if ((isServerAddress(path) || QFileInfo(path).isFile()) && found.size() < kMaximum) {
            found << path;
        }
    }
    if (found != kept) {
        store(found);
    }
    return found;
}

bool RecentFiles::isServerAddress(const QString& name) {
    return name.startsWith(QLatin1String("postgresql://")) ||
           name.startsWith(QLatin1String("postgres://"));
}

void RecentFiles::add(const QString& path) {
    store(withFirst(userSettings()->value(kKey).toStringList(), path));
}

void RecentFiles::clear() {
    store({});
}

} // namespace folio::app
