#include "ui/failure_report.h"
#include "data/file_error.h"
#include "data/money.h"
#include "data/refusal.h"
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

bool runRedated(Dialogs& dialogs, QDate& date, const std::function<void()>& command) {
    for (;;) {
        std::optional<Refusal> offer;
        const bool done = runReported(dialogs, [&] {
            try {
                command();
            } catch (const Refusal& refusal) {
                if (!refusal.offered()) {
                    throw;
                }
                offer = refusal;
            }
        });
        if (!offer) {
            return done;
        }
        if (!dialogs.askYesNo(offer->question())) {
            return false;
        }
        date = *offer->offered();
    }
}

} // namespace folio::ui
