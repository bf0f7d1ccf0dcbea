#pragma once
#include "ui/dialogs.h"
#include <QString>
#include <deque>

// Dialogs answered without a person: Yes to every question, OK to a failure only while
// `retries` lasts, the file name given, and the print dialog writing a PDF file.
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

    QString fileName;
    QString inputAnswer; // what is typed into every input box
    QString pdfFile;
    // The last message shown, so a benchmark can tell that its action failed.
    QString lastMessage;
    int messages = 0;
};
