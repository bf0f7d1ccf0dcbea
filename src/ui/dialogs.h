#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;

namespace folio::ui {

// How a message box looks: plain for business conditions, exclamation for the ends of
// the file, critical for failures.
enum class MessageIcon { None, Exclamation, Critical };

// The program's title, shown as the window caption at start and on every message box.
QString programTitle();

// Every dialog the program shows, behind one seam so tests can answer them.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual void beep() = 0;
    // A modal message with an OK button, titled with the program's title.
    virtual void message(const QString& text, MessageIcon icon = MessageIcon::None) = 0;
    // A Yes/No question without icon, No the default button; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A failure with the critical icon, OK to try the step again and Cancel to give up;
    // true for OK.
    virtual bool failure(const QString& text) = 0;
    // A one-line input box; Cancel gives an empty text.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText = QString()) = 0;
    // The file-open dialog, starting at the name of its last use; empty when cancelled.
    virtual std::optional<QString> openFileName(const QString& lastName) = 0;
    // The print dialog for the given printer: the number of copies, or empty when the
    // user cancelled.
    virtual std::optional<int> choosePrinter(QPrinter& printer) = 0;
    // A question with a list of answers, the first one chosen at the start: the index of
    // the answer taken, or empty when the user cancelled.
    virtual std::optional<int> chooseOne(const QString& question, const QStringList& answers) = 0;
    // A list to pick one item from, under a caption tied to it (with its mnemonic), the
    // first item chosen at the start: the index taken, or empty when the user cancelled.
    // Dialogs that answer by script take it as a question with answers.
    virtual std::optional<int> chooseFromList(const QString& caption, const QStringList& items) {
        return chooseOne(caption, items);
    }
    // The print preview of a document, shown before the print dialog: `render` draws one
    // copy on the printer it is given, as often as the preview needs. True when the user
    // chose to go on and print, false when the preview was closed.
    virtual bool previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& render) = 0;
    // The file-save dialog of an export, starting at `suggested`; `types` are filters such
    // as "PDF document (*.pdf)". The name chosen, with the extension of the type chosen
    // when it had none; empty when cancelled. Replacing a file is confirmed there.
    virtual std::optional<QString> saveFileName(const QString& title, const QString& suggested,
                                                const QStringList& types) = 0;
};

} // namespace folio::ui
