#pragma once
#include "server/server_books.h"
#include <memory>

namespace folio::server {

// Hears of changes other connections make to server books (NOTIFY folio_changed), so a
// window can refresh what it shows.
class ChangeListener {
  public:
    explicit ChangeListener(const ServerAddress& address);
    ~ChangeListener();
    ChangeListener(const ChangeListener&) = delete;
    ChangeListener& operator=(const ChangeListener&) = delete;

    // Waits up to `seconds` for a change; true when one came (the count is reset).
    bool waitForChange(int seconds);
    // Takes what has arrived without waiting; true when a change came since the last call.
    bool changedSinceLastLook();
    // The connection's socket, for an event loop to watch.
    int socket() const;

  private:
    struct Receiver;
    std::unique_ptr<Receiver> receiver_;
};

} // namespace folio::server
