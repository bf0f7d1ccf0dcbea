#include "accounts/record_rules.h"
#include "data/account_types.h"
#include "data/text_rules.h"

namespace folio::accounts {

namespace {
// A number as the caption writes it: one leading blank, or the minus sign in its place.
QString signedNumber(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}
} // namespace

QString RecordRules::boxText(Money balance) {
    return balance.isZero() ? QString() : formatCurrency(balance);
}

std::optional<QString> RecordRules::typeToStore(const QString& text) {
    const QString code = text.trimmed().toUpper();
    if (code.isEmpty() || isCatalogueCode(code)) {
        return code;
    }
    return std::nullopt;
}

QString RecordRules::typeRefusedMessage(const QString& text) {
    return QStringLiteral("\"%1\" is not an account type, so nothing was written. Choose a type "
                          "from the Account Types list, for example D1 for an asset or D6 for an "
                          "expense.")
        .arg(text.trimmed());
}

std::optional<QString> RecordRules::nameRefusal(const QString& name) {
    const QStringList unstorable = unstorableCharacters(name);
    if (unstorable.isEmpty()) {
        return std::nullopt;
    }
    return QStringLiteral("The account name cannot hold %1: the accounts file keeps only Western "
                          "European letters and signs, so nothing was written. Type the name "
                          "without them.")
        .arg(unstorable.join(QStringLiteral(" ")));
}

QString RecordRules::caption(int currentRecord, int recordCount) {
    return QStringLiteral("Record ") + signedNumber(currentRecord) + QLatin1Char('/') +
           signedNumber(recordCount);
}

} // namespace folio::accounts
