#pragma once
#include "ui/dialogs.h"
#include <QString>
#include <deque>

// Dialogs answered without a person: Yes to every question, Cancel to a failure, the file
// name given, the text given to every input box, and the print dialog writing a PDF file.
class ScriptedDialogs : public folio::ui::Dialogs {
  public:
    void beep() override {}
    void message(const QString& text, folio::ui::MessageIcon icon) override;
    bool askYesNo(const QString&) override { return true; }
    bool failure(const QString& text) override;
    QString inputBox(const QString&, const QString&, const QString&) override {
        return inputAnswer;
    }
    std::optional<QString> openFileName(const QString&) override { return fileName; }
    std::optional<int> choosePrinter(QPrinter& printer) override;
    std::optional<int> chooseOne(const QString&, const QStringList&) override { return 0; }
    bool previewPrint(QPrinter&, const std::function<void(QPrinter&)>&) override { return true; }
    std::optional<QString> saveFileName(const QString&, const QString&,
                                        const QStringList&) override {
        return saveName;
    }

    QString fileName;
    QString inputAnswer;             // what is typed into every input box
    std::optional<QString> saveName; // the export file; empty cancels
    QString pdfFile;
    // The last message shown, so a benchmark can tell that its action failed.
    QString lastMessage;
    int messages = 0;
};
