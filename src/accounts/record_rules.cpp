#include "accounts/record_rules.h"
#include "data/text_rules.h"

namespace {
// A number as the caption writes it: one leading blank, or the minus sign in its place.
QString signedNumber(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
} // namespace

QString RecordRules::boxText(Money balance) {
    return balance.isZero() ? QString() : formatCurrency(balance);
}

Money RecordRules::balanceToStore(const QString& text, Money stored) {
    if (leadingNumber(text).sign() <= 0) {
        return stored;
    }
    // The typed text is taken to cents in one step, as the currency format shows it.
    return parseAmount(text, 2).value_or(stored);
}

QString RecordRules::shownAfterLeaving(const QString& text, Money held) {
    if (leadingNumber(text).sign() > 0) {
        if (const auto amount = parseAmount(text)) {
            try {
                return formatCurrency(*amount);
            } catch (const MoneyOverflow&) {
                // too large to show in cents: it was not stored either
            }
        }
    }
    return boxText(held);
}

QString RecordRules::caption(int currentRecord, int recordCount) {
    return QStringLiteral("Record ") + signedNumber(currentRecord) + QLatin1Char('/') +
           signedNumber(recordCount);
}
