#pragma once
#include <future>
#include <utility>

namespace folio::journal {

// Runs `beside` on another core while `here` runs on this one and returns once both are done
// (both on this core when no thread can be started). `beside` may only read what `here`
// touches. When `here` throws, `beside` is still waited for before the exception goes on.
template <typename Beside, typename Here> void runAlongside(Beside beside, Here here) {
    auto besideDone = std::async(std::launch::async | std::launch::deferred, std::move(beside));
    here();
    besideDone.get();
}

} // namespace folio::journal
