#include "ui/name_only_icons.h"
#include <QFileInfo>

namespace folio::ui {

QIcon NameOnlyIcons::icon(const QFileInfo& info) const {
    if (info.isRoot()) {
        return icon(Drive);
    }
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIcons::type(const QFileInfo& info) const {
    if (info.isDir()) {
        return QStringLiteral("Folder");
    }
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QStringLiteral("File")
                            : QStringLiteral("%1 File").arg(suffix.toUpper());
}

} // namespace folio::ui
