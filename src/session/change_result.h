#pragma once
#include "data/file_error.h"
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

namespace folio::session {

// What became of a change asked of the books: recorded (its entry's number, 0 when the
// books have no journal or nothing was left to record), refused before anything was
// written (in the words the user sees), or failed at a file step. A failed change may
// still have reached the books (a sync failed after the bytes were written): tookEffect
// says so, and the views must then show it.
struct ChangeResult {
    std::int64_t seq = 0;
    bool tookEffect = false;
    std::optional<QString> refused;
    std::optional<FileError> failed;
    // Refused: another date the change may take instead (the day after a locked period).
    std::optional<QDate> offered;

    bool succeeded() const { return !refused && !failed; }
    // For a caller whose steps report failures by throwing: throws the failure, or the
    // refusal as journal::Refused.
    const ChangeResult& orThrow() const;
};

// A change refused before anything was written.
inline ChangeResult refusal(const QString& words) {
    ChangeResult result;
    result.refused = words;
    return result;
}

} // namespace folio::session
