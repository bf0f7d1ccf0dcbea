#include "power_loss_vfs.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {

// A file as SQLite sees it: ours in front, the real one right after.
struct CutFile {
    sqlite3_file base;
    PowerLossVfs* disk;
    QByteArray* path; // as opened; null for a file without a name or shared memory
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
    // The name in the folder watched now (empty when none is, or outside it).
    QString name() const { return path == nullptr ? QString() : disk->nameIn(*path); }
};

CutFile* cut(sqlite3_file* file) {
    return reinterpret_cast<CutFile*>(file);
}

PowerLossVfs* diskOf(sqlite3_vfs* vfs) {
    return static_cast<PowerLossVfs*>(vfs->pAppData);
}

int cutClose(sqlite3_file* file) {
    CutFile* f = cut(file);
    const int code = f->real()->pMethods->xClose(f->real());
    delete f->path;
    f->path = nullptr;
    return code;
}

// The file, once the disk has been told of a call on it when it is in the watched folder.
CutFile* called(sqlite3_file* file) {
    CutFile* f = cut(file);
    if (!f->name().isEmpty()) {
        f->disk->call();
    }
    return f;
}

int cutWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    CutFile* f = called(file);
    return f->real()->pMethods->xWrite(f->real(), buffer, amount, offset);
}

int cutTruncate(sqlite3_file* file, sqlite3_int64 size) {
    CutFile* f = called(file);
    return f->real()->pMethods->xTruncate(f->real(), size);
}

int cutSync(sqlite3_file* file, int flags) {
    CutFile* f = called(file);
    const QString name = f->name();
    const int code = f->real()->pMethods->xSync(f->real(), flags);
    if (code == SQLITE_OK && !name.isEmpty()) {
        f->disk->synced(name, f->real());
    }
    return code;
}

// The methods that need no bookkeeping go straight to the real file (the shared memory
// too: it is not kept across a cut, SQLite rebuilds it from the log).
template <typename Method> struct Pass;
template <typename R, typename... A> struct Pass<R (*)(sqlite3_file*, A...)> {
    template <R (*sqlite3_io_methods::*method)(sqlite3_file*, A...)>
    static R to(sqlite3_file* file, A... arguments) {
        return (cut(file)->real()->pMethods->*method)(cut(file)->real(), arguments...);
    }
};
#define FOLIO_PASS(method)                                                                         \
    Pass<decltype(sqlite3_io_methods::method)>::to<&sqlite3_io_methods::method>

const sqlite3_io_methods kCutMethods = {2,
                                        cutClose,
                                        FOLIO_PASS(xRead),
                                        cutWrite,
                                        cutTruncate,
                                        cutSync,
                                        FOLIO_PASS(xFileSize),
                                        FOLIO_PASS(xLock),
                                        FOLIO_PASS(xUnlock),
                                        FOLIO_PASS(xCheckReservedLock),
                                        FOLIO_PASS(xFileControl),
                                        FOLIO_PASS(xSectorSize),
                                        FOLIO_PASS(xDeviceCharacteristics),
                                        FOLIO_PASS(xShmMap),
                                        FOLIO_PASS(xShmLock),
                                        FOLIO_PASS(xShmBarrier),
                                        FOLIO_PASS(xShmUnmap),
                                        nullptr,
                                        nullptr};

int cutOpen(sqlite3_vfs* vfs, sqlite3_filename path, sqlite3_file* file, int flags, int* outFlags) {
    PowerLossVfs* disk = diskOf(vfs);
    CutFile* f = cut(file);
    f->disk = disk;
    f->path = nullptr;
    sqlite3_vfs* real = sqlite3_vfs_find("unix");
    const int code = real->xOpen(real, path, f->real(), flags, outFlags);
    if (code != SQLITE_OK || f->real()->pMethods == nullptr) {
        file->pMethods = nullptr;
        return code;
    }
    if (path != nullptr && !QByteArray(path).endsWith("-shm")) {
        f->path = new QByteArray(path);
    }
    file->pMethods = &kCutMethods;
    return code;
}

int cutDelete(sqlite3_vfs* vfs, const char* path, int syncDir) {
    PowerLossVfs* disk = diskOf(vfs);
    const QString name = disk->nameIn(path);
    if (!name.isEmpty()) {
        disk->call();
    }
    sqlite3_vfs* real = sqlite3_vfs_find("unix");
    const int code = real->xDelete(real, path, syncDir);
    if (code == SQLITE_OK && !name.isEmpty()) {
        disk->deleted(name);
    }
    return code;
}

} // namespace

PowerLossVfs& PowerLossVfs::instance() {
    static PowerLossVfs vfs;
    return vfs;
}

PowerLossVfs::PowerLossVfs() {
    real_ = sqlite3_vfs_find("unix");
    vfs_ = *real_;
    vfs_.iVersion = 3;
    vfs_.szOsFile = static_cast<int>(sizeof(CutFile)) + real_->szOsFile;
    vfs_.zName = "power-loss";
    vfs_.pAppData = this;
    vfs_.xOpen = cutOpen;
    vfs_.xDelete = cutDelete;
    sqlite3_vfs_register(&vfs_, 1);
}

void PowerLossVfs::watch(const QString& folder) {
    folder_ = QDir(folder).canonicalPath();
    synced_.clear();
    for (const QString& name :
         QDir(folder_).entryList({"*.journal", "*.journal-wal"}, QDir::Files | QDir::Hidden)) {
        QFile file(folder_ + '/' + name);
        if (file.open(QIODevice::ReadOnly)) {
            synced_[name] = file.readAll();
        }
    }
}

void PowerLossVfs::stop() {
    folder_.clear();
    beforeCall = [] {};
}

PowerLossVfs::~PowerLossVfs() {
    sqlite3_vfs_unregister(&vfs_);
}

QString PowerLossVfs::nameIn(const char* path) const {
    if (folder_.isEmpty()) {
        return QString();
    }
    const QFileInfo file(QFile::decodeName(path));
    return QFileInfo(file.absolutePath()).canonicalFilePath() == folder_ ? file.fileName()
                                                                         : QString();
}

void PowerLossVfs::call() const {
    beforeCall();
}

void PowerLossVfs::synced(const QString& name, sqlite3_file* file) {
    sqlite3_int64 size = 0;
    file->pMethods->xFileSize(file, &size);
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    if (size > 0 &&
        file->pMethods->xRead(file, bytes.data(), static_cast<int>(size), 0) != SQLITE_OK) {
        bytes.clear();
    }
    synced_[name] = bytes;
}
