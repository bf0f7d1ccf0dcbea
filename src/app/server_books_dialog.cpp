#include "app/server_books_dialog.h"
#include "ui/form.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace folio::app {

ServerBooksDialog::ServerBooksDialog(const QString& lastAddress, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmOpenServerBooks"));
    setWindowTitle(QStringLiteral("Open Server Books"));
    auto* layout = new QVBoxLayout(this);
    address_ = ui::Form::box(QStringLiteral("txtServerAddress"), this);
    address_->setAccessibleName(QStringLiteral("Server address"));
    address_->setPlaceholderText(QStringLiteral("postgresql://user@host/database"));
    address_->setText(lastAddress);
    address_->setMinimumWidth(420);
    layout->addWidget(ui::Form::label(QStringLiteral("lblServerAddress"),
                                      QStringLiteral("Server &address:"), address_, this));
    layout->addWidget(address_);
    auto* hint = new QLabel(QStringLiteral("The books named \"books\" in that database; add "
                                           "#NAME for another set, as in\n"
                                           "postgresql://sam@dbhost/firm#books closed monthly."),
                            this);
    hint->setObjectName(QStringLiteral("lblServerAddressHint"));
    layout->addWidget(hint);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* open = buttons->button(QDialogButtonBox::Ok);
    open->setText(QStringLiteral("&Open"));
    open->setObjectName(QStringLiteral("cmdOpenServerBooks"));
    open->setAccessibleName(QStringLiteral("Open"));
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancelServerBooks"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString ServerBooksDialog::address() const {
    return address_->text().trimmed();
}

} // namespace folio::app
