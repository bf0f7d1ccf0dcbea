#include "ui/failure_report.h"
#include "data/file_error.h"
#include "data/money.h"
#include "data/refusal.h"
#include "session/change_result.h"
#include "ui/dialogs.h"

namespace folio::ui {

namespace {
QString overflowMessage() {
    return QStringLiteral("An amount in this file is too large for Folio to add up.");
}
} // namespace

bool runWithRetry(Dialogs& dialogs, const std::function<void()>& step) {
    for (;;) {
        try {
            step();
            return true;
        } catch (const FileError& error) {
            dialogs.beep();
            if (!dialogs.failure(errorMessage(error.number()))) {
                return false;
            }
        } catch (const MoneyOverflow&) {
            dialogs.message(overflowMessage());
            return false;
        } catch (const Refusal& refusal) {
            dialogs.message(refusal.words());
            return false;
        }
    }
}

bool runReported(Dialogs& dialogs, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const FileError& error) {
        dialogs.beep();
        dialogs.message(errorMessage(error.number()), MessageIcon::Critical);
    } catch (const MoneyOverflow&) {
        dialogs.message(overflowMessage());
    } catch (const Refusal& refusal) {
        dialogs.message(refusal.words());
    }
    return false;
}

session::ChangeResult runRedated(Dialogs& dialogs, QDate& date,
                                 const std::function<session::ChangeResult(const QDate&)>& change) {
    for (;;) {
        session::ChangeResult result = change(date);
        if (!result.refused || !result.offered || *result.offered == date) {
            reportChange(dialogs, result);
            return result;
        }
        if (!dialogs.askYesNo(*result.refused +
                              QStringLiteral("\n\nDate the entry %1 instead?")
                                  .arg(result.offered->toString(QStringLiteral("M/d/yyyy"))))) {
            return result;
        }
        date = *result.offered;
    }
}

bool reportChange(Dialogs& dialogs, const session::ChangeResult& result) {
    if (result.refused) {
        dialogs.message(*result.refused);
    } else if (result.failed) {
        runReported(dialogs, [&result] { throw *result.failed; });
    }
    return result.tookEffect;
}

} // namespace folio::ui
