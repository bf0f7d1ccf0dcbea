#pragma once
#include "data/file_rewrite.h"
#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace folio::accounts {

// A progress window for file work on a large file (a search, a delete): it appears once
// the work has lasted a second, and its Cancel stops the work. While it is up the window
// keeps repainting and takes no other command.
class FileWorkDialog {
  public:
    FileWorkDialog(QWidget* parent, QString label);
    ~FileWorkDialog();
    FileWorkDialog(const FileWorkDialog&) = delete;
    FileWorkDialog& operator=(const FileWorkDialog&) = delete;

    // What the file layer calls after each chunk; false once the user cancelled.
    Progress callback();

  private:
    bool advance(std::int64_t done, std::int64_t total);

    QWidget* parent_;
    QString label_;
    QElapsedTimer clock_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace folio::accounts
