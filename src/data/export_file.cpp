#include "data/export_file.h"
#include "data/file_error.h"
#include "data/file_identity.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace folio {

namespace {

// The journal's name beside an accounts file, and its side files.
const char* const kJournalFiles[] = {".journal", ".journal-wal", ".journal-shm"};

QByteArray nameOf(const QString& path) {
    return QFile::encodeName(path);
}

} // namespace

namespace {

// One of the books' files, and whether it is the accounts file itself.
struct KeptFile {
    QString path;
    bool accounts;
};

std::vector<KeptFile> keptFilesOf(const QString& books) {
    std::vector<KeptFile> files;
    QStringList places{books};
    const QString resolved = QFileInfo(books).canonicalFilePath();
    if (!resolved.isEmpty() && resolved != QFileInfo(books).absoluteFilePath()) {
        places << resolved;
    }
    for (const QString& place : places) {
        files.push_back({place, true});
        for (const char* suffix : kJournalFiles) {
            files.push_back({place + QLatin1String(suffix), false});
        }
    }
    return files;
}

} // namespace

std::optional<QString> exportRefusal(const QString& output, const QString& books) {
    const auto target = fileIdentity(output);
    const QString spelled = QFileInfo(output).absoluteFilePath();
    for (const KeptFile& kept : keptFilesOf(books)) {
        if (spelled != QFileInfo(kept.path).absoluteFilePath() &&
            !(target && fileIdentity(kept.path) == target)) {
            continue;
        }
        return QStringLiteral("%1 is %2. Choose another name for the export.")
            .arg(QDir::toNativeSeparators(output),
                 kept.accounts ? QStringLiteral("your accounts file")
                               : QStringLiteral("the journal of your books"));
    }
    return std::nullopt;
}

ExportFile::ExportFile(const QString& path, const QString& books) : path_(path), books_(books) {
    if (const auto refusal = exportRefusal(path, books)) {
        throw ExportRefused(*refusal);
    }
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = attempt == 0 ? path + QStringLiteral(".part")
                                  : path + QStringLiteral(".%1.part").arg(attempt);
        fd_ = ::open(nameOf(temporary_).constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt == 99)) {
            const int error = errno;
            temporary_.clear();
            fail(error);
        }
    }
}

ExportFile::~ExportFile() {
    cancel();
}

void ExportFile::fail(int error) {
    const bool folderMissing = !QFileInfo(QFileInfo(path_).absolutePath()).isDir();
    cancel();
    throw FileError::fromErrno(error, folderMissing);
}

void ExportFile::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote =
            ::write(fd_, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            fail(wrote < 0 ? errno : ENOSPC);
        }
        done += wrote;
    }
}

void ExportFile::commit() {
    if (::fsync(fd_) != 0) {
        fail(errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        fail(errno);
    }
    // Looked at again just before the rename: the output may have changed meanwhile.
    if (const auto refusal = exportRefusal(path_, books_)) {
        cancel();
        throw ExportRefused(*refusal);
    }
    if (::rename(nameOf(temporary_).constData(), nameOf(path_).constData()) != 0) {
        fail(errno);
    }
    temporary_.clear();
}

void ExportFile::cancel() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(nameOf(temporary_).constData());
        temporary_.clear();
    }
}

} // namespace folio
