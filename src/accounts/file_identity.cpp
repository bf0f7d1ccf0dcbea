#include "accounts/file_identity.h"
#include <QFile>
#include <sys/stat.h>

namespace folio::accounts {

std::optional<FileIdentity> fileIdentity(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return std::nullopt;
    }
    return FileIdentity{info.st_dev, info.st_ino};
}

} // namespace folio::accounts
