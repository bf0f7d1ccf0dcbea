#pragma once
#include <QObject>
#include <QString>
#include <memory>

class QSocketNotifier;

namespace folio::server {
class ChangeListener;
}

namespace folio::session {
class BooksSession;
}

namespace folio::app {

// Listens, while server books are open, for the changes other clients make to them, and
// has the session show the books as the server holds them as soon as one is announced.
class ServerWatch : public QObject {
    Q_OBJECT
  public:
    // Throws server::ServerError when the server cannot be reached.
    ServerWatch(const QString& address, session::BooksSession& session, QObject* parent);
    ~ServerWatch() override;

  private:
    void heard();

    session::BooksSession& session_;
    std::unique_ptr<server::ChangeListener> listener_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace folio::app
