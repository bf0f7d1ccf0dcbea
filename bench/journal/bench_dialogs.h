#pragma once
#include "ui/dialogs.h"
#include <QStringList>
#include <functional>

// Dialogs for the journal benchmarks: Select File gives the books, questions say Yes and
// every message is counted, so a benchmark can tell that its action failed.
class BenchDialogs : public folio::ui::Dialogs {
  public:
    void beep() override {}
    void message(const QString& text, folio::ui::MessageIcon) override {
        ++messages;
        lastMessage = text;
    }
    bool askYesNo(const QString&) override { return true; }
    bool failure(const QString& text) override {
        message(text, folio::ui::MessageIcon::Critical);
        return false;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFileName(const QString&) override { return books; }
    std::optional<int> choosePrinter(QPrinter&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const QString&, const QString&,
                                        const QStringList&) override {
        return std::nullopt;
    }
    std::optional<int> chooseOne(const QString&, const QStringList&) override { return 0; }
    bool previewPrint(QPrinter&, const std::function<void(QPrinter&)>&) override { return true; }

    QString books;
    QString lastMessage;
    int messages = 0;
};
