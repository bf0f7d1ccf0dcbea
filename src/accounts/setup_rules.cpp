#include "accounts/setup_rules.h"
#include "data/account_types.h"
#include "data/text_rules.h"
#include <algorithm>

namespace folio::accounts {

namespace {

// Whether `text` upper-cased is `upper`, without making the upper-cased copy: Latin-1
// letters other than the sharp s upper-case one for one; any other text takes the full rule.
bool upperEquals(const QString& text, const QString& upper) {
    const auto special = [](QChar c) { return c.unicode() > 0xFF || c.unicode() == 0xDF; };
    if (std::any_of(text.begin(), text.end(), special)) {
        return text.toUpper() == upper;
    }
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(),
                      [](QChar a, QChar b) { return a.toUpper() == b; });
}

} // namespace

std::optional<int> SetupRules::findByName(const std::vector<AccountRecord>& records,
                                          int recordCount, const QString& upperAnswer) {
    const auto searched =
        std::min(static_cast<std::size_t>(std::max(recordCount, 0)), records.size());
    for (std::size_t i = 0; i < searched; ++i) {
        if (upperEquals(records[i].name, upperAnswer)) {
            return static_cast<int>(i) + 1;
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

std::optional<QString> SetupRules::stillHasBalance(const AccountRecord& account) {
    if (account.current.isZero() && account.ytd.isZero()) {
        return std::nullopt;
    }
    const QString name = account.name.isEmpty() ? QStringLiteral("(no name)") : account.name;
    return QStringLiteral("%1 still has a balance: current balance %2, year to date balance "
                          "%3.\n\nDeleting it would put the books out of balance. Post its "
                          "balances to another account first, then delete it.")
        .arg(name, formatCurrency(account.current), formatCurrency(account.ytd));
}

} // namespace folio::accounts
