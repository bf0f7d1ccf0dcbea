#pragma once
#include "data/account_table.h"
#include "data/file_table.h"
#include <QString>

namespace folio {

// The accounts file the user selected and the numbered handle it is open under. Every
// reader opens it again when it needs it, so what it reads is what the file holds now.
class Books {
  public:
    FileTable& files() { return files_; }
    const QString& path() const { return path_; }
    bool isSelected() const { return !path_.isEmpty(); }

    // Makes `path` the selected file and opens it; on failure nothing changes.
    void select(const QString& path);
    // Forgets the selection and closes every handle.
    void forget();

    // Opens the selected file again under a fresh number (the previous one released).
    int reopen();
    // The handle of the selected file, opened when it is not open.
    int handle();
    // Releases the handle.
    void close();

    AccountTable read();
    // The same into `table`, keeping the memory it holds (a tab that reads the file on each
    // entry).
    void load(AccountTable& table);
    AccountRecord get(int record) { return files_.get(handle(), record); }
    void put(int record, const AccountRecord& account) { files_.put(handle(), record, account); }
    int recordCount() { return files_.recordCount(handle()); }

  private:
    FileTable files_;
    QString path_;
    int number_ = 0;
};

} // namespace folio
