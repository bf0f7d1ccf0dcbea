#pragma once
#include <QDate>
#include <functional>

namespace folio::ui {

class Dialogs;

// Runs a step and reports a file failure as the program's message: a beep, the message
// for the error number with the critical icon; OK tries the step again, Cancel gives up.
// An amount too large to add up and a change the books' rules refuse are reported with a
// plain message. True when the step completed.
bool runWithRetry(Dialogs& dialogs, const std::function<void()>& step);

// Runs a command and reports a file failure once (beep, critical message, OK only).
// True when the command completed.
bool runReported(Dialogs& dialogs, const std::function<void()>& command);

// Runs a change dated `date` as runReported does; when the books' lock refuses the date
// and offers the day after the locked period, asks whether to date the change so and
// runs it again with `date` moved. True when the change was made.
bool runRedated(Dialogs& dialogs, QDate& date, const std::function<void()>& command);

} // namespace folio::ui
