#pragma once
#include <QString>

namespace folio::ui {

// The message for a typed amount that is refused: it names the box, quotes the text and
// shows amounts that are read.
QString amountRefusedMessage(const QString& box, const QString& text);

} // namespace folio::ui
