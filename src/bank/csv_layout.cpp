#include "bank/csv_layout.h"
#include <QRegularExpression>
#include <array>

namespace folio::bank {

namespace {

struct Field {
    const char* key;
    int CsvLayout::*column;
};
constexpr std::array<Field, 6> kFields{{{"date", &CsvLayout::date},
                                        {"description", &CsvLayout::description},
                                        {"amount", &CsvLayout::amount},
                                        {"debit", &CsvLayout::debit},
                                        {"credit", &CsvLayout::credit},
                                        {"id", &CsvLayout::bankId}}};

// The first column whose header matches, or -1.
int columnNamed(const QStringList& header, const char* pattern) {
    const QRegularExpression words(QLatin1String(pattern),
                                   QRegularExpression::CaseInsensitiveOption);
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (words.match(header[i].trimmed()).hasMatch()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

QString CsvLayout::problem() const {
    if (date < 0) {
        return QStringLiteral("Choose the column that holds the date.");
    }
    if (description < 0) {
        return QStringLiteral("Choose the column that holds the description.");
    }
    if (amount < 0 && (debit < 0 || credit < 0)) {
        return QStringLiteral("Choose the amount column, or the debit and credit columns.");
    }
    if (dates == DateOrder::Unknown) {
        return QStringLiteral("Choose how the dates are written.");
    }
    return {};
}

QString CsvLayout::toText() const {
    QStringList parts;
    for (const Field& field : kFields) {
        parts << QStringLiteral("%1=%2").arg(QLatin1String(field.key)).arg(this->*field.column);
    }
    parts << QStringLiteral("header=%1").arg(header ? 1 : 0);
    parts << QStringLiteral("dates=%1").arg(dateOrderName(dates));
    return parts.join(u';');
}

std::optional<CsvLayout> CsvLayout::fromText(const QString& text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    CsvLayout layout;
    for (const QString& part : text.split(u';')) {
        const QString key = part.section(u'=', 0, 0);
        const QString value = part.section(u'=', 1);
        if (key == QLatin1String("header")) {
            layout.header = value == QLatin1String("1");
        } else if (key == QLatin1String("dates")) {
            layout.dates = dateOrderFromName(value);
        }
        for (const Field& field : kFields) {
            if (key == QLatin1String(field.key)) {
                bool ok = false;
                layout.*field.column = value.toInt(&ok);
                if (!ok) {
                    return std::nullopt;
                }
            }
        }
    }
    return layout;
}

QString csvSignature(const CsvTable& table) {
    if (table.rows.empty()) {
        return {};
    }
    const CsvRow& first = table.rows.front();
    if (layoutFromHeader(table)) {
        return first.fields.join(u',').toLower();
    }
    return QStringLiteral("columns:%1").arg(first.fields.size());
}

std::optional<CsvLayout> layoutFromHeader(const CsvTable& table) {
    if (table.rows.empty()) {
        return std::nullopt;
    }
    const QStringList& header = table.rows.front().fields;
    CsvLayout layout;
    layout.date = columnNamed(header, R"(^(posting |posted |transaction |trans\.? )?date$)");
    layout.description = columnNamed(
        header, R"(^(description|payee|details|narrative|name|transaction description)$)");
    if (layout.description < 0) {
        layout.description = columnNamed(header, R"(^memo$)");
    }
    layout.amount = columnNamed(header, R"(^(amount|transaction amount)( \(\$\)| \(usd\))?$)");
    layout.debit = columnNamed(header, R"(^(debit|debits|withdrawals?|money out|paid out)$)");
    layout.credit = columnNamed(header, R"(^(credit|credits|deposits?|money in|paid in)$)");
    layout.bankId = columnNamed(header, R"(^(transaction id|fitid|reference|id)$)");
    if (layout.date < 0 || layout.description < 0 ||
        (layout.amount < 0 && (layout.debit < 0 || layout.credit < 0))) {
        return std::nullopt;
    }
    if (layout.amount >= 0) {
        layout.debit = layout.credit = -1;
    }
    return layout;
}

} // namespace folio::bank
