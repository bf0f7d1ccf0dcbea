#pragma once
#include "session/change_result.h"
#include <QDate>
#include <functional>

namespace folio::ui {

class Dialogs;

// Tells the user what became of a change that did not simply succeed (a refusal in its
// words, a failure as the program's message); true when the books hold the change.
bool reportChange(Dialogs& dialogs, const session::ChangeResult& result);

// Runs a step and reports a file failure as the program's message: a beep, the message
// for the error number with the critical icon; OK tries the step again, Cancel gives up.
// An amount too large to add up and a change the books' rules refuse are reported with a
// plain message. True when the step completed.
bool runWithRetry(Dialogs& dialogs, const std::function<void()>& step);

// Runs a command and reports a file failure once (beep, critical message, OK only).
// True when the command completed.
bool runReported(Dialogs& dialogs, const std::function<void()>& command);

// Makes a change dated `date` and reports what came of it as reportChange does; when the
// books' lock refuses the date and offers the day after the locked period, asks whether
// to date the change so and makes it again with `date` moved. Gives the last result,
// already told to the user.
session::ChangeResult runRedated(Dialogs& dialogs, QDate& date,
                                 const std::function<session::ChangeResult(const QDate&)>& change);

} // namespace folio::ui
