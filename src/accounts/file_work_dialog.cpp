#include "accounts/file_work_dialog.h"
#include <QCoreApplication>
#include <QProgressDialog>

namespace folio::accounts {

FileWorkDialog::FileWorkDialog(QWidget* parent, QString label)
    : parent_(parent), label_(std::move(label)) {
    clock_.start();
}

FileWorkDialog::~FileWorkDialog() = default;

Progress FileWorkDialog::callback() {
    return [this](std::int64_t done, std::int64_t total) { return advance(done, total); };
}

bool FileWorkDialog::advance(std::int64_t done, std::int64_t total) {
    if (!dialog_ && clock_.elapsed() >= 1000) {
        dialog_ =
            std::make_unique<QProgressDialog>(label_, QStringLiteral("Cancel"), 0, 1000, parent_);
        dialog_->setObjectName(QStringLiteral("fileWorkProgress"));
        dialog_->setAccessibleName(label_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
    }
    if (!dialog_) {
        return true;
    }
    dialog_->setValue(static_cast<int>(total > 0 ? done * 1000 / total : 1000));
    QCoreApplication::processEvents(); // the modal window takes only Cancel
    return !dialog_->wasCanceled();
}

} // namespace folio::accounts
