#include "app/server_watch.h"
#include "server/change_listener.h"
#include "session/books_session.h"
#include <QSocketNotifier>

namespace folio::app {

ServerWatch::ServerWatch(const QString& address, session::BooksSession& session, QObject* parent)
    : QObject(parent), session_(session),
      listener_(std::make_unique<server::ChangeListener>(server::ServerAddress::parse(address))) {
    notifier_ = new QSocketNotifier(listener_->socket(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ServerWatch::heard);
}

ServerWatch::~ServerWatch() = default;

void ServerWatch::heard() {
    try {
        if (listener_->changedSinceLastLook()) {
            session_.followServer(); // nothing when the change was this window's own
        }
    } catch (const std::exception&) {
        notifier_->setEnabled(false); // the listening connection is gone; changes still go through
    }
}

} // namespace folio::app
