#include "bank/bank_rules.h"
#include "bank/statement_amount.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace folio::bank {

namespace {

Money magnitude(Money amount) {
    return amount.isNegative() ? -amount : amount;
}

QString amountText(const std::optional<Money>& amount) {
    if (!amount) {
        return {};
    }
    const std::int64_t raw = amount->raw();
    return QStringLiteral("%1.%2")
        .arg(raw / Money::kScale)
        .arg(raw % Money::kScale, 4, 10, QLatin1Char('0'));
}

BankRule::Direction directionFrom(const QString& name) {
    if (name == QLatin1String("in")) {
        return BankRule::Direction::MoneyIn;
    }
    return name == QLatin1String("out") ? BankRule::Direction::MoneyOut
                                        : BankRule::Direction::Either;
}

} // namespace

QString directionName(BankRule::Direction direction) {
    switch (direction) {
    case BankRule::Direction::MoneyIn:
        return QStringLiteral("in");
    case BankRule::Direction::MoneyOut:
        return QStringLiteral("out");
    case BankRule::Direction::Either:
        break;
    }
    return QStringLiteral("either");
}

bool BankRule::takes(const StatementLine& line, const QRegularExpression* compiled) const {
    if ((direction == Direction::MoneyIn && line.amount.isNegative()) ||
        (direction == Direction::MoneyOut && !line.amount.isNegative())) {
        return false;
    }
    const Money size = magnitude(line.amount);
    if ((least && size < *least) || (most && size > *most)) {
        return false;
    }
    if (match == Match::Contains) {
        return line.description.contains(text, Qt::CaseInsensitive);
    }
    if (compiled != nullptr) {
        return compiled->isValid() && compiled->match(line.description).hasMatch();
    }
    const QRegularExpression pattern(text, QRegularExpression::CaseInsensitiveOption);
    return pattern.isValid() && pattern.match(line.description).hasMatch();
}

std::optional<QString> BankRule::problem() const {
    if (text.isEmpty()) {
        return QStringLiteral("Give the text the description must contain.");
    }
    if (match == Match::Pattern && !QRegularExpression(text).isValid()) {
        return QStringLiteral("\"%1\" is not a valid regular expression.").arg(text);
    }
    if (account.trimmed().isEmpty()) {
        return QStringLiteral("Choose the account the rule posts to.");
    }
    if ((least && least->isNegative()) || (most && most->isNegative()) ||
        (least && most && *least > *most)) {
        return QStringLiteral("The amount range runs from the smaller positive amount to the "
                              "larger.");
    }
    return std::nullopt;
}

std::vector<std::optional<std::size_t>>
RuleBook::firstTaking(const std::vector<StatementLine>& lines) const {
    std::vector<QRegularExpression> patterns;
    for (const BankRule& rule : rules) {
        patterns.emplace_back(rule.match == BankRule::Match::Pattern ? rule.text : QString(),
                              QRegularExpression::CaseInsensitiveOption);
    }
    std::vector<std::optional<std::size_t>> found;
    found.reserve(lines.size());
    for (const StatementLine& line : lines) {
        std::optional<std::size_t> first;
        for (std::size_t i = 0; i < rules.size() && !first; ++i) {
            if (rules[i].takes(line, &patterns[i])) {
                first = i;
            }
        }
        found.push_back(first);
    }
    return found;
}

QByteArray RuleBook::toFile() const {
    QJsonArray list;
    for (const BankRule& rule : rules) {
        QJsonObject object;
        object[QStringLiteral("match")] = rule.match == BankRule::Match::Pattern
                                              ? QStringLiteral("regex")
                                              : QStringLiteral("contains");
        object[QStringLiteral("text")] = rule.text;
        object[QStringLiteral("least")] = amountText(rule.least);
        object[QStringLiteral("most")] = amountText(rule.most);
        object[QStringLiteral("direction")] = directionName(rule.direction);
        object[QStringLiteral("account")] = rule.account;
        object[QStringLiteral("memo")] = rule.memo;
        list.append(object);
    }
    QJsonObject root;
    root[QStringLiteral("folio-bank-rules")] = 1;
    root[QStringLiteral("rules")] = list;
    return QJsonDocument(root).toJson();
}

RuleBook RuleBook::fromFile(const QString& path, const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || !root.contains(QStringLiteral("rules"))) {
        throw StatementError(faultAt(path, 0, QStringLiteral("this is not a file of rules")));
    }
    RuleBook book;
    const QJsonArray list = root[QStringLiteral("rules")].toArray();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject object = list[i].toObject();
        BankRule rule;
        rule.match = object[QStringLiteral("match")].toString() == QLatin1String("regex")
                         ? BankRule::Match::Pattern
                         : BankRule::Match::Contains;
        rule.text = object[QStringLiteral("text")].toString();
        for (auto [key, bound] : {std::pair{"least", &rule.least}, {"most", &rule.most}}) {
            const QString text = object[QLatin1String(key)].toString();
            if (!text.isEmpty()) {
                *bound = statementAmount(text);
                if (!*bound) {
                    throw StatementError(faultAt(
                        path, 0,
                        QStringLiteral("rule %1: \"%2\" is not an amount").arg(i + 1).arg(text)));
                }
            }
        }
        rule.direction = directionFrom(object[QStringLiteral("direction")].toString());
        rule.account = object[QStringLiteral("account")].toString();
        rule.memo = object[QStringLiteral("memo")].toString();
        if (const auto problem = rule.problem()) {
            throw StatementError(
                faultAt(path, 0, QStringLiteral("rule %1: %2").arg(i + 1).arg(*problem)));
        }
        book.rules.push_back(rule);
    }
    return book;
}

} // namespace folio::bank
