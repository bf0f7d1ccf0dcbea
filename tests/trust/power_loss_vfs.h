#pragma once
#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <sqlite3.h>

// SQLite's files on a disk that loses power on demand, for one folder: while it watches,
// every database and log there is remembered with its bytes as last synced, and a cut
// now would leave just those (a file never synced is gone). SQLite's default VFS from
// the first use on, so that connections opened before the watch starts pass through it;
// everything else passes straight through.
class PowerLossVfs {
  public:
    static PowerLossVfs& instance();
    ~PowerLossVfs();
    PowerLossVfs(const PowerLossVfs&) = delete;
    PowerLossVfs& operator=(const PowerLossVfs&) = delete;

    // From now on in this folder, what is there counting as synced.
    void watch(const QString& folder);
    void stop();

    // The synced bytes of each file of the folder SQLite has written, by name.
    const std::map<QString, QByteArray>& afterCut() const { return synced_; }
    // Runs before every write, sync, truncation and deletion in the folder.
    std::function<void()> beforeCall = [] {};

    // For the file methods: the name in the folder (empty outside it).
    QString nameIn(const QByteArray& path) const { return nameIn(path.constData()); }
    QString nameIn(const char* path) const;
    void call() const;
    void synced(const QString& name, sqlite3_file* file);
    void deleted(const QString& name) { synced_.erase(name); }

  private:
    PowerLossVfs();
    QString folder_;
    sqlite3_vfs vfs_{};
    sqlite3_vfs* real_ = nullptr;
    std::map<QString, QByteArray> synced_;
};
