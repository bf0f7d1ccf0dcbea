#pragma once
#include "ui/dialogs.h"
#include <QPointer>
#include <QWidget>

namespace folio::ui {

// The dialogs of a desktop session: message boxes, input boxes, file and print dialogs.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void beep() override;
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

  private:
    QPointer<QWidget> parent_;
};

} // namespace folio::ui
