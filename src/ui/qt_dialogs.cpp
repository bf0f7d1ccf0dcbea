#include "ui/qt_dialogs.h"
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace folio::ui {

QString programTitle() {
    return QStringLiteral("Folio");
}

void QtDialogs::beep() {
    QApplication::beep();
}

void QtDialogs::message(const QString& text, MessageIcon icon) {
    const auto look = icon == MessageIcon::Critical      ? QMessageBox::Critical
                      : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                         : QMessageBox::NoIcon;
    QMessageBox box(look, programTitle(), text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle(), text, QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::No); // Enter alone never confirms a lasting change
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::failure(const QString& text) {
    QMessageBox box(QMessageBox::Critical, programTitle(), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title,
                            const QString& defaultText) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? answer : QString();
}

std::optional<QString> QtDialogs::openFileName(const QString& lastName) {
    QFileDialog dialog(parent_, QStringLiteral("Select File"), lastName,
                       QStringLiteral("All Files (*)"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!lastName.isEmpty()) {
        dialog.selectFile(lastName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<int> QtDialogs::choosePrinter(QPrinter& printer) {
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, parent_);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    // The program prints each copy itself; the printer's own count stays 1.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    return copies;
}

} // namespace folio::ui
