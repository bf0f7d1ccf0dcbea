#pragma once
#include <QDialog>

class QTextBrowser;

namespace folio::app {

// The Help window: the user guide or the keyboard shortcuts, beside the main window so
// the user can read while working.
class HelpDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HelpDialog(QWidget* parent = nullptr);

    void showGuide();
    void showShortcuts();

  private:
    void present(const QString& title, const QString& text);

    QTextBrowser* text_ = nullptr;
};

} // namespace folio::app
