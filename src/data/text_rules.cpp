#include "data/text_rules.h"
#include <cstdint>
#include <iterator>
#include <string>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Reads an exponent's sign and digits from position i on; returns its value.
long readExponent(const QString& s, qsizetype& i, bool skipBlanks) {
    auto skip = [&] {
        while (skipBlanks && i < s.size() && isBlank(s[i])) {
            ++i;
        }
    };
    skip();
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    long value = 0;
    for (skip(); i < s.size() && isDigit(s[i]); skip()) {
        value = std::min(value * 10 + (s[i].unicode() - u'0'), 100000000L);
        ++i;
    }
    return negative ? -value : value;
}

} // namespace

Decimal leadingNumber(const QString& text) {
    QString s;
    for (QChar c : text) {
        if (!isBlank(c)) {
            s.append(c);
        }
    }
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        negative = s[i] == u'-';
        ++i;
    }
    std::string whole;
    std::string fraction;
    while (i < s.size() && isDigit(s[i])) {
        whole += static_cast<char>(s[i++].unicode());
    }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            fraction += static_cast<char>(s[i++].unicode());
        }
    }
    long exponent = 0;
    if (!(whole.empty() && fraction.empty()) && i < s.size() &&
        QStringLiteral("EeDd").contains(s[i])) {
        ++i;
        exponent = readExponent(s, i, false);
    }
    return Decimal::fromParts(negative, whole, fraction, exponent);
}

QString formatCurrency(Money amount) {
    const std::int64_t raw = amount.roundedToCents().raw();
    std::uint64_t magnitude =
        raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    magnitude /= 100; // whole cents
    // Written from the right: ")", two decimals, the point, grouped digits, "$", "(".
    char text[40];
    char* at = std::end(text);
    if (raw < 0) {
        *--at = ')';
    }
    for (int i = 0; i < 2; ++i) {
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    *--at = '.';
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) {
            *--at = ',';
        }
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude > 0);
    *--at = '$';
    if (raw < 0) {
        *--at = '(';
    }
    return QString::fromLatin1(at, static_cast<qsizetype>(std::end(text) - at));
}

std::optional<Money> parseAmount(const QString& text, int places) {
    QString s = text.trimmed();
    bool negative = false;
    if (s.startsWith(u'(') && s.endsWith(u')') && s.size() >= 2) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    qsizetype i = 0;
    bool signSeen = false;
    bool currencySeen = false;
    while (i < s.size()) {
        if (!signSeen && (s[i] == u'-' || s[i] == u'+')) {
            signSeen = true;
            negative = negative != (s[i] == u'-');
        } else if (!currencySeen && s[i] == u'$') {
            currencySeen = true;
        } else {
            break;
        }
        ++i;
    }
    std::string whole;
    std::string fraction;
    while (i < s.size() && (isDigit(s[i]) || (s[i] == u',' && !whole.empty()))) {
        if (s[i] != u',') {
            whole += static_cast<char>(s[i].unicode());
        }
        ++i;
    }
    if (i < s.size() && s[i] == u'.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            fraction += static_cast<char>(s[i++].unicode());
        }
    }
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;
    }
    long exponent = 0;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e')) {
        ++i;
        const qsizetype before = i;
        exponent = readExponent(s, i, false);
        if (i == before || !isDigit(s[i - 1])) {
            return std::nullopt;
        }
    }
    if (!signSeen && i < s.size() && s[i] == u'-') {
        negative = !negative;
        ++i;
    }
    if (i != s.size()) {
        return std::nullopt;
    }
    return Decimal::fromParts(negative, whole, fraction, exponent).toMoney(places);
}
