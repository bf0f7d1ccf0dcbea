#include "data/company_values.h"
#include "data/text_rules.h"

std::optional<Money> endingInventoryAmount(const std::optional<QString>& typed) {
    if (!typed || typed->trimmed().isEmpty()) {
        return Money();
    }
    return parseAmount(*typed);
}

QString notANumberMessage(const QString& what, const QString& text) {
    return QStringLiteral("%1 \"%2\" is not a number. Please enter a number such as 1500.")
        .arg(QStringLiteral("The ") + what, text);
}
