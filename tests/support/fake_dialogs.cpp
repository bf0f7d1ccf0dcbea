#include "support/fake_dialogs.h"

using folio::ui::programTitle;

namespace {

// The next answer of a queue, or `otherwise` once it is empty.
template <typename T, typename U> T next(std::deque<T>& answers, U otherwise) {
    if (answers.empty()) {
        return otherwise;
    }
    const T answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

void FakeDialogs::message(const QString& text, MessageIcon icon) {
    shown.push_back({ShownDialog::Kind::Message, text, icon, programTitle()});
}

bool FakeDialogs::askYesNo(const QString& text) {
    shown.push_back({ShownDialog::Kind::YesNo, text, MessageIcon::None, programTitle()});
    return next(yesNoAnswers, false);
}

bool FakeDialogs::failure(const QString& text) {
    shown.push_back({ShownDialog::Kind::Failure, text, MessageIcon::Critical, programTitle()});
    return false;
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title,
                              const QString& defaultText) {
    offered = defaultText;
    shown.push_back({ShownDialog::Kind::Input, prompt, MessageIcon::None, title});
    return next(inputAnswers, QString());
}

std::optional<QString> FakeDialogs::openFileName(const QString&) {
    shown.push_back({ShownDialog::Kind::OpenFile, QString(), MessageIcon::None, QString()});
    return next(fileNames, std::nullopt);
}

std::optional<int> FakeDialogs::choosePrinter(QPrinter& printer) {
    shown.push_back({ShownDialog::Kind::Print, QString(), MessageIcon::None, QString()});
    return onPrint ? onPrint(printer) : std::nullopt;
}

std::optional<int> FakeDialogs::chooseOne(const QString& question, const QStringList&) {
    shown.push_back({ShownDialog::Kind::Choice, question, MessageIcon::None, programTitle()});
    return next(choices, 0);
}

std::optional<int> FakeDialogs::chooseFromList(const QString& caption, const QStringList& items) {
    listed = items;
    shown.push_back({ShownDialog::Kind::Choice, caption, MessageIcon::None, programTitle()});
    return next(choices, 0);
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
        return std::nullopt; // Cancel
    }
    return next(saveNames, QString());
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
