#include "bank/statement_amount.h"
#include "bank/statement.h"
#include <QFileInfo>
#include <limits>

namespace folio::bank {

QString faultAt(const QString& path, int line, const QString& what) {
    const QString file = QFileInfo(path).fileName();
    return line > 0 ? QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(what)
                    : QStringLiteral("%1: %2").arg(file, what);
}

namespace {

// The digits of a plain number (1234.5, 1,234.50) as ten-thousandths.
std::optional<std::int64_t> digitsOf(const QString& text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max() / 10;
    std::int64_t raw = 0;
    int decimals = -1;
    int digits = 0;
    int sinceComma = -1;
    for (const QChar c : text) {
        if (c == u',') {
            if (decimals >= 0 || digits == 0 || (sinceComma >= 0 && sinceComma != 3)) {
                return std::nullopt;
            }
            sinceComma = 0;
            continue;
        }
        if (c == u'.') {
            if (decimals >= 0 || (sinceComma >= 0 && sinceComma != 3)) {
                return std::nullopt;
            }
            decimals = 0;
            sinceComma = -1;
            continue;
        }
        if (!c.isDigit() || c.unicode() > 127 || raw > kMax || decimals >= 4) {
            return std::nullopt;
        }
        raw = raw * 10 + (c.unicode() - u'0');
        ++digits;
        if (decimals >= 0) {
            ++decimals;
        }
        if (sinceComma >= 0) {
            ++sinceComma;
        }
    }
    if (digits == 0 || (sinceComma >= 0 && sinceComma != 3)) {
        return std::nullopt;
    }
    for (int d = std::max(decimals, 0); d < 4; ++d) {
        if (raw > kMax) {
            return std::nullopt;
        }
        raw *= 10;
    }
    return raw;
}

} // namespace

std::optional<Money> statementAmount(const QString& typed) {
    QString text = typed.trimmed();
    bool negative = false;
    if (text.startsWith(u'(') && text.endsWith(u')')) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    if (text.endsWith(u'-')) {
        negative = !negative;
        text.chop(1);
    }
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = negative != text.startsWith(u'-');
        text = text.mid(1).trimmed();
    }
    if (text.startsWith(u'$')) {
        text = text.mid(1).trimmed();
    }
    if (text.startsWith(u'-') && !negative) {
        negative = true; // $-12.00
        text = text.mid(1);
    }
    const auto raw = digitsOf(text);
    if (!raw) {
        return std::nullopt;
    }
    return Money::fromRaw(negative ? -*raw : *raw);
}

} // namespace folio::bank
