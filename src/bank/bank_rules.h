#pragma once
#include "bank/statement.h"
#include <QRegularExpression>
#include <QString>
#include <optional>
#include <vector>

namespace folio::bank {

// One rule of the import: which statement lines it takes and where they go.
struct BankRule {
    enum class Match { Contains, Pattern }; // text in the description, or a regular expression
    enum class Direction { Either, MoneyIn, MoneyOut };
    Match match = Match::Contains;
    QString text;
    std::optional<Money> least; // the amount (without its sign) at least this
    std::optional<Money> most;  // and at most this
    Direction direction = Direction::Either;
    QString account; // the other account of the entry, by name
    QString memo;    // in place of the description, when given

    // Whether the rule takes the line (a contained text is found ignoring case); a
    // pattern rule matches with `compiled` when given.
    bool takes(const StatementLine& line, const QRegularExpression* compiled = nullptr) const;
    // Why the rule cannot be used, in the user's words; empty when it can.
    std::optional<QString> problem() const;
    bool operator==(const BankRule&) const = default;
};

// The ordered rules of the books: the first that takes a line wins.
struct RuleBook {
    std::vector<BankRule> rules;

    // The number (0 the first) of the first rule that takes each line, if any; each
    // pattern is compiled once.
    std::vector<std::optional<std::size_t>>
    firstTaking(const std::vector<StatementLine>& lines) const;

    // The rules as a file (JSON; amounts as text so nothing rounds them), and back.
    QByteArray toFile() const;
    // Throws StatementError naming the file and the rule that is wrong.
    static RuleBook fromFile(const QString& path, const QByteArray& bytes);
    bool operator==(const RuleBook&) const = default;
};

QString directionName(BankRule::Direction direction); // "either", "in", "out"

} // namespace folio::bank
