#include "scripted_dialogs.h"
#include <QPrinter>

void ScriptedDialogs::message(const QString& text, folio::ui::MessageIcon) {
    lastMessage = text;
    ++messages;
}

bool ScriptedDialogs::failure(const QString& text) {
    lastMessage = text;
    ++messages;
    return false;
}

std::optional<int> ScriptedDialogs::choosePrinter(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    return 1;
}
