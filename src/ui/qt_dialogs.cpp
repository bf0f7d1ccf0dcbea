#include "ui/qt_dialogs.h"
#include "ui/form.h"
#include "ui/name_only_icons.h"
#include "ui/print_preview_dialog.h"
#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace folio::ui {

namespace {

// OK and Cancel that accept and reject the dialog.
QDialogButtonBox* okAndCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

} // namespace

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
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // The box is named by the question's title, and its prompt is tied to it.
    if (auto* box = dialog.findChild<QLineEdit*>()) {
        box->setAccessibleName(title);
        if (auto* label = dialog.findChild<QLabel*>()) {
            label->setBuddy(box);
        }
    }
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

std::optional<QString> QtDialogs::openFileName(const QString& lastName) {
    NameOnlyIcons icons; // never reads the files it lists; outlives the dialog
    QFileDialog dialog(parent_, QStringLiteral("Select File"), lastName,
                       QStringLiteral("All Files (*)"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    if (!lastName.isEmpty()) {
        dialog.selectFile(lastName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<int> QtDialogs::chooseOne(const QString& question, const QStringList& answers) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(programTitle());
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(question, &dialog);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);
    auto* group = new QButtonGroup(&dialog);
    for (int i = 0; i < answers.size(); ++i) {
        auto* option = new QRadioButton(answers[i], &dialog);
        option->setObjectName(QStringLiteral("optAnswer%1").arg(i + 1));
        option->setAccessibleName(answers[i]);
        option->setChecked(i == 0);
        group->addButton(option, i);
        layout->addWidget(option);
    }
    auto* buttons = okAndCancel(dialog);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || group->checkedId() < 0) {
        return std::nullopt;
    }
    return group->checkedId();
}

std::optional<int> QtDialogs::chooseFromList(const QString& caption, const QStringList& items) {
    QDialog dialog(parent_);
    dialog.setObjectName(QStringLiteral("frmChooseFromList"));
    dialog.setWindowTitle(programTitle());
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstChoices"));
    QString name = caption;
    list->setAccessibleName(name.remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    list->addItems(items);
    list->setCurrentRow(0);
    layout->addWidget(Form::label(QStringLiteral("lblChoices"), caption, list, &dialog));
    layout->addWidget(list);
    auto* buttons = okAndCancel(dialog);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdChooseOk"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdChooseCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) {
        return std::nullopt;
    }
    return list->currentRow();
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

bool QtDialogs::previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& render) {
    PrintPreviewDialog preview(printer, render, parent_);
    return preview.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogs::saveFileName(const QString& title, const QString& suggested,
                                               const QStringList& types) {
    NameOnlyIcons icons; // never reads the files it lists; outlives the dialog
    QFileDialog dialog(parent_, title, suggested, types.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    if (!suggested.isEmpty()) {
        dialog.selectFile(suggested);
    }
    // The extension follows the type chosen in the dialog.
    const auto suffixOf = [](const QString& filter) {
        const qsizetype star = filter.indexOf(QStringLiteral("*."));
        return star < 0 ? QString() : filter.mid(star + 2).section(u')', 0, 0);
    };
    dialog.setDefaultSuffix(suffixOf(types.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace folio::ui
