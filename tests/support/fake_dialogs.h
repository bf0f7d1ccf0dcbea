#pragma once
#include "ui/dialogs.h"
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

using namespace folio;
using folio::ui::MessageIcon;

// One dialog the program showed, as a test sees it.
struct ShownDialog {
    enum class Kind { Message, YesNo, Failure, Input, OpenFile, Print, Choice, Preview, SaveFile };
    Kind kind;
    QString text;
    MessageIcon icon = MessageIcon::None;
    QString title;
};

// Dialogs answered from queues, recording everything shown. A failure is answered Cancel;
// with an empty queue a question No, an input box and the print dialog Cancel.
class FakeDialogs : public ui::Dialogs {
  public:
    void beep() override { ++beeps; }
    void message(const QString& text, MessageIcon icon) override;
    bool askYesNo(const QString& text) override;
    bool failure(const QString& text) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    std::optional<QString> openFileName(const QString& lastName) override;
    std::optional<int> choosePrinter(QPrinter& printer) override;
    std::optional<int> chooseOne(const QString& question, const QStringList& answers) override;
    std::optional<int> chooseFromList(const QString& caption, const QStringList& items) override;
    bool previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& render) override;
    std::optional<QString> saveFileName(const QString& title, const QString& suggested,
                                        const QStringList& types) override;

    // The texts of the message boxes shown (plain, exclamation, critical and failures).
    QStringList messages() const;
    const ShownDialog* last() const { return shown.empty() ? nullptr : &shown.back(); }
    void reset();

    std::vector<ShownDialog> shown;
    int beeps = 0;
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;
    std::deque<std::optional<QString>> fileNames;
    // Answers to chooseOne and chooseFromList: an index, or empty for Cancel; with none left
    // the first answer.
    std::deque<std::optional<int>> choices;
    // Answers to the export's file dialog; with none left, Cancel.
    std::deque<QString> saveNames;
    // The items the last list to choose from offered.
    QStringList listed;
    // The text the last input box was opened with.
    QString offered;
    // The file types the last save dialog offered.
    QStringList saveTypes;
    // Answers the print preview (it may render the document); unset: go on to print.
    std::function<bool(QPrinter&, const std::function<void(QPrinter&)>&)> onPreview;
    // Sets up the printer (for example to write a PDF) and gives the copies; empty = Cancel.
    std::function<std::optional<int>(QPrinter&)> onPrint;
};
