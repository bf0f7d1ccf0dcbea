#include "data/file_error.h"
#include <array>
#include <cerrno>
#include <utility>

namespace folio {

FileError FileError::fromErrno(int error, bool pathMissing) {
    switch (error) {
    case EISDIR:
        return FileError(75, FileError::Problem::Folder);
    case ENOENT:
        return FileError(pathMissing ? 76 : 53);
    case ENOTDIR:
        return FileError(76);
    case EACCES:
    case EPERM:
        return FileError(70);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileError(61);
    case EIO:
        return FileError(57);
    case ENAMETOOLONG:
        return FileError(64);
    case EXDEV:
        return FileError(74);
    case EEXIST:
        return FileError(58);
    case EBADF:
        return FileError(52);
    case EMFILE:
    case ENFILE:
        return FileError(67);
    case ENXIO:
    case ENODEV:
        return FileError(68);
    default:
        return FileError(75);
    }
}

QString errorMessage(int number) {
    static const std::array<std::pair<int, const char*>, 19> table{{
        {6, "Overflow"},
        {68, "That device appears unavailable"},
        {71, "Disk is not ready.  Insert disk in the drive and close the door."},
        {57, "Device I/O Error"},
        {75, "Path/File Access Error"},
        {76, "Path not found"},
        {52, "Bad File Name or Number"},
        {54, "Bad File Mode"},
        {53, "File not Found"},
        {55, "File Already Open"},
        {58, "File Already Exists"},
        {59, "Bad Record Length"},
        {61, "Disk Full"},
        {62, "Input Past End"},
        {63, "Bad Record Number"},
        {64, "Bad File Name"},
        {70, "Permission Denied"},
        {74, "Can't Rename with Different Drive"},
        {482, "Printer Error"},
    }};
    for (const auto& [code, text] : table) {
        if (code == number) {
            return QString::fromLatin1(text);
        }
    }
    return QStringLiteral("Undetermined error = ") + QString::number(number);
}

} // namespace folio
