#include "ui/amount_message.h"

namespace folio::ui {

QString amountRefusedMessage(const QString& box, const QString& text) {
    return QStringLiteral("The %1 \"%2\" is not an amount, so nothing was written. Type an "
                          "amount such as 1500, 1,500.00, $1,500.00, -1500 or (1,500.00).")
        .arg(box, text);
}

} // namespace folio::ui
