#include "app/help_dialog.h"
#include "app/user_guide.h"
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace folio::app {

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dlgHelp"));
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("txtHelp"));
    text_->setOpenExternalLinks(false);
    layout->addWidget(text_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdCloseHelp"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

void HelpDialog::showGuide() {
    present(QStringLiteral("Folio User Guide"), userGuideText());
}

void HelpDialog::showShortcuts() {
    present(QStringLiteral("Folio Keyboard Shortcuts"), shortcutsText());
}

void HelpDialog::present(const QString& title, const QString& text) {
    setWindowTitle(title);
    text_->setAccessibleName(title);
    text_->setHtml(text);
    show();
    raise();
    activateWindow();
    text_->setFocus();
}

} // namespace folio::app
