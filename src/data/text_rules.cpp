#include "data/text_rules.h"
#include <QLocale>
#include <QRegularExpression>
#include <cstdint>
#include <iterator>
#include <string>

namespace folio {

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

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

namespace {

// The digits of an amount's whole part: plain digits, or groups of three after the first
// one to three digits, separated by commas. Empty when the text is not so written.
std::optional<std::string> wholeDigits(QStringView text) {
    std::string digits;
    const bool grouped = text.contains(u',');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u',') {
            const qsizetype fromEnd = text.size() - i;
            if (i == 0 || fromEnd % 4 != 0 || (i > 3 && text[i - 4] != u',') ||
                (i <= 3 && digits.size() != static_cast<std::size_t>(i))) {
                return std::nullopt;
            }
        } else if (isDigit(c)) {
            digits += static_cast<char>(c.unicode());
        } else {
            return std::nullopt;
        }
    }
    if (grouped && (digits.size() < 4 || text.size() - text.lastIndexOf(u',') != 4)) {
        return std::nullopt;
    }
    return digits;
}

} // namespace

std::optional<Money> parseAmount(const QString& text) {
    QStringView s = QStringView(text).trimmed();
    bool negative = false;
    if (s.size() >= 2 && s.front() == u'(' && s.back() == u')') {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    auto take = [&s](QChar c) {
        if (!s.isEmpty() && s.front() == c) {
            s = s.mid(1);
            return true;
        }
        return false;
    };
    const bool minusFirst = take(u'-');
    const bool dollar = take(u'$');
    const bool minusAfterDollar = dollar && !minusFirst && take(u'-');
    if (minusFirst || minusAfterDollar) {
        if (negative) {
            return std::nullopt; // a minus inside parentheses
        }
        negative = true;
    }
    const qsizetype point = s.indexOf(u'.');
    const QStringView whole = point < 0 ? s : s.left(point);
    const QStringView fraction = point < 0 ? QStringView() : s.mid(point + 1);
    const std::optional<std::string> digits = wholeDigits(whole);
    if (!digits || fraction.size() > 2 || (digits->empty() && fraction.isEmpty())) {
        return std::nullopt;
    }
    for (QChar c : fraction) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
    }
    const std::int64_t cents = fraction.toString().leftJustified(2, u'0').toLongLong();
    try {
        Money amount;
        for (char d : *digits) {
            std::int64_t raw = 0;
            if (__builtin_mul_overflow(amount.raw(), 10, &raw)) {
                return std::nullopt;
            }
            amount = Money::fromRaw(raw) + Money::fromWhole(d - '0');
        }
        amount += Money::fromRaw(cents * (Money::kScale / 100));
        return negative ? -amount : amount;
    } catch (const MoneyOverflow&) {
        return std::nullopt;
    }
}

std::optional<QDate> readDate(const QString& text) {
    QString plain = text.trimmed();
    // A two-digit year at the end (1/5/26, 5-Jan-26) is written out first, so that the
    // day is checked against its own year: 2/29/00 is a day of 2000.
    static const QRegularExpression shortYear(
        QStringLiteral("^(\\D.*|\\d{1,2}\\D.*)[/-](\\d{2})$"));
    if (const QRegularExpressionMatch m = shortYear.match(plain); m.hasMatch()) {
        const int year = m.captured(2).toInt();
        plain =
            plain.left(plain.size() - 2) + QString::number(year < 50 ? 2000 + year : 1900 + year);
    }
    static const char* const formats[] = {
        "M/d/yyyy",    "M-d-yyyy",   "yyyy-M-d",   "MMMM d, yyyy", "MMM d, yyyy",
        "MMMM d yyyy", "MMM d yyyy", "d-MMM-yyyy", "d MMMM yyyy",  "d MMM yyyy",
    };
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    for (const char* format : formats) {
        const QDate date = us.toDate(plain, QString::fromLatin1(format));
        if (date.isValid()) {
            return date;
        }
    }
    return std::nullopt;
}

QStringList unstorableCharacters(const QString& text) {
    QStringList found;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c > 0xFF && !found.contains(one)) {
            found << one;
        }
    }
    return found;
}

} // namespace folio
