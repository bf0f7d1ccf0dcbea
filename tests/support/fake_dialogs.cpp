#include "support/fake_dialogs.h"

using folio::ui::programTitle;

void FakeDialogs::message(const QString& text, MessageIcon icon) {
    shown.push_back({ShownDialog::Kind::Message, text, icon, programTitle()});
    if (onMessage) {
        onMessage(text);
    }
}

bool FakeDialogs::askYesNo(const QString& text) {
    shown.push_back({ShownDialog::Kind::YesNo, text, MessageIcon::None, programTitle()});
    if (yesNoAnswers.empty()) {
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

bool FakeDialogs::failure(const QString& text) {
    shown.push_back({ShownDialog::Kind::Failure, text, MessageIcon::Critical, programTitle()});
    if (failureAnswers.empty()) {
        return false;
    }
    const bool answer = failureAnswers.front();
    failureAnswers.pop_front();
    return answer;
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title,
                              const QString& defaultText) {
    offered = defaultText;
    shown.push_back({ShownDialog::Kind::Input, prompt, MessageIcon::None, title});
    if (inputAnswers.empty()) {
        return QString();
    }
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::openFileName(const QString&) {
    shown.push_back({ShownDialog::Kind::OpenFile, QString(), MessageIcon::None, QString()});
    if (fileNames.empty()) {
        return std::nullopt;
    }
    const auto answer = fileNames.front();
    fileNames.pop_front();
    return answer;
}

std::optional<int> FakeDialogs::choosePrinter(QPrinter& printer) {
    shown.push_back({ShownDialog::Kind::Print, QString(), MessageIcon::None, QString()});
    return onPrint ? onPrint(printer) : std::nullopt;
}

std::optional<int> FakeDialogs::chooseOne(const QString& question, const QStringList&) {
    shown.push_back({ShownDialog::Kind::Choice, question, MessageIcon::None, programTitle()});
    if (choices.empty()) {
        return 0;
    }
    const auto answer = choices.front();
    choices.pop_front();
    return answer;
}

bool FakeDialogs::previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& render) {
    shown.push_back({ShownDialog::Kind::Preview, QString(), MessageIcon::None, QString()});
    return onPreview ? onPreview(printer, render) : true;
}

std::optional<QString> FakeDialogs::saveFileName(const QString& title, const QString&,
                                                 const QStringList& types) {
    saveTypes = types;
    shown.push_back({ShownDialog::Kind::SaveFile, title, MessageIcon::None, QString()});
    if (saveNames.empty()) {
        return std::nullopt;
    }
    const QString answer = saveNames.front();
    saveNames.pop_front();
    return answer;
}

QStringList FakeDialogs::messages() const {
    QStringList texts;
    for (const ShownDialog& d : shown) {
        if (d.kind == ShownDialog::Kind::Message || d.kind == ShownDialog::Kind::Failure ||
            d.kind == ShownDialog::Kind::YesNo) {
            texts << d.text;
        }
    }
    return texts;
}

void FakeDialogs::reset() {
    shown.clear();
    beeps = 0;
}
