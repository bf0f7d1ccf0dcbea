#include "server/change_listener.h"
#include "server/server_rows.h"
#include <pqxx/pqxx>

namespace folio::server {

namespace {

class Heard : public pqxx::notification_receiver {
  public:
    explicit Heard(pqxx::connection_base& link) : notification_receiver(link, "folio_changed") {}
    void operator()(const std::string&, int) override { ++changes; }
    int changes = 0;
};

} // namespace

// The listening connection and what it has heard, in that order of construction.
struct ChangeListener::Receiver {
    explicit Receiver(const std::string& address) : link(address), heard(link) {}
    pqxx::connection link;
    Heard heard;
};

ChangeListener::ChangeListener(const ServerAddress& address) {
    try {
        receiver_ = std::make_unique<Receiver>(address.connection);
    } catch (const std::exception& e) {
        throw unreachableServer(e);
    }
}

ChangeListener::~ChangeListener() = default;

bool ChangeListener::waitForChange(int seconds) {
    if (receiver_->heard.changes == 0) {
        receiver_->link.await_notification(seconds, 0);
    }
    return changedSinceLastLook();
}

bool ChangeListener::changedSinceLastLook() {
    receiver_->link.get_notifs();
    const bool changed = receiver_->heard.changes > 0;
    receiver_->heard.changes = 0;
    return changed;
}

int ChangeListener::socket() const {
    return receiver_->link.sock();
}

} // namespace folio::server
