#include "accounts/setup_rules.h"
#include "data/account_types.h"
#include "data/text_rules.h"
#include <algorithm>

namespace folio::accounts {

std::optional<int> SetupRules::findByName(int recordCount,
                                          const std::function<AccountRecord(int)>& read,
                                          const QString& upperAnswer) {
    for (int i = 1; i <= recordCount; ++i) {
        if (read(i).name.toUpper() == upperAnswer) {
            return i;
        }
    }
    return std::nullopt;
}

QString SetupRules::notFoundMessage(const QString& upperAnswer) {
    return QStringLiteral("Name ") + upperAnswer + QStringLiteral("not found!");
}

SetupRules::Position SetupRules::afterDelete(Position before) {
    const int count = std::max(1, before.recordCount - 1);
    return {std::min(before.currentRecord, count), count};
}

std::optional<QString> SetupRules::typeCodeOf(const QString& listText) {
    for (const AccountType& type : kAccountTypes) {
        if (listText == QLatin1String(type.description)) {
            return QString::fromLatin1(type.code);
        }
    }
    return std::nullopt;
}

bool SetupRules::isStandardName(const QString& text) {
    return std::any_of(kStandardNames.begin(), kStandardNames.end(),
                       [&](const char* name) { return text == QLatin1String(name); });
}

QString SetupRules::deleteQuestion(const AccountRecord& account) {
    const QString name = account.name.isEmpty() ? QStringLiteral("(no name)") : account.name;
    return QStringLiteral("Delete This Record?\n\n%1 (%2)\nCurrent balance %3\nYear to date "
                          "balance %4\n\nThe account is removed from the file.")
        .arg(name, account.type.isEmpty() ? QStringLiteral("no type") : account.type,
             formatCurrency(account.current), formatCurrency(account.ytd));
}

} // namespace folio::accounts
