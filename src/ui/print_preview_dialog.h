#pragma once
#include <QDialog>
#include <functional>

class QPrinter;
class QPrintPreviewWidget;

namespace folio::ui {

// Qt's print preview of a document, shown before the print dialog: the pages as they will
// print, zoom and page keys, and two ways out: Print... (on to the print dialog) or Close.
class PrintPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    PrintPreviewDialog(QPrinter& printer, std::function<void(QPrinter&)> render,
                       QWidget* parent = nullptr);

  private:
    QPrintPreviewWidget* preview_ = nullptr;
    std::function<void(QPrinter&)> render_;
};

} // namespace folio::ui
