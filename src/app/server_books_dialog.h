#pragma once
#include <QDialog>

class QLineEdit;

namespace folio::app {

// File, Open Server Books: asks for the address of books kept on a PostgreSQL server
// (postgresql://USER@HOST/DBNAME, ending in #NAME for a set other than "books").
class ServerBooksDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ServerBooksDialog(const QString& lastAddress, QWidget* parent = nullptr);
    QString address() const;

  private:
    QLineEdit* address_ = nullptr;
};

} // namespace folio::app
