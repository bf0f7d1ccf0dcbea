#include "bank/date_order.h"
#include <QRegularExpression>
#include <array>

namespace folio::bank {

namespace {

struct Parts {
    int first = 0;
    int second = 0;
    int third = 0;
    int thirdDigits = 0;
    int firstDigits = 0;
};

std::optional<Parts> partsOf(const QString& text) {
    static const QRegularExpression split(
        QStringLiteral(R"(^(\d{1,4})[/.-](\d{1,2})[/.-](\d{1,4})$)"));
    static const QRegularExpression compact(QStringLiteral(R"(^(\d{4})(\d{2})(\d{2})$)"));
    const QString trimmed = text.trimmed().section(u' ', 0, 0).section(u'T', 0, 0);
    QRegularExpressionMatch m = split.match(trimmed);
    if (!m.hasMatch()) {
        m = compact.match(trimmed);
    }
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return Parts{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                 static_cast<int>(m.captured(3).size()), static_cast<int>(m.captured(1).size())};
}

int fullYear(int year, int digits) {
    return digits <= 2 ? 2000 + year : year;
}

} // namespace

QString dateOrderName(DateOrder order) {
    switch (order) {
    case DateOrder::MonthDayYear:
        return QStringLiteral("MM/DD/YYYY");
    case DateOrder::DayMonthYear:
        return QStringLiteral("DD/MM/YYYY");
    case DateOrder::YearMonthDay:
        return QStringLiteral("YYYY-MM-DD");
    case DateOrder::Unknown:
        break;
    }
    return {};
}

DateOrder dateOrderFromName(const QString& name) {
    for (DateOrder order :
         {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        if (name.trimmed().compare(dateOrderName(order), Qt::CaseInsensitive) == 0) {
            return order;
        }
    }
    return DateOrder::Unknown;
}

QDate dateIn(const QString& text, DateOrder order) {
    const auto parts = partsOf(text);
    if (!parts) {
        return {};
    }
    switch (order) {
    case DateOrder::YearMonthDay:
        return parts->firstDigits == 4 ? QDate(parts->first, parts->second, parts->third) : QDate();
    case DateOrder::MonthDayYear:
        return parts->firstDigits <= 2 && parts->thirdDigits != 3
                   ? QDate(fullYear(parts->third, parts->thirdDigits), parts->first, parts->second)
                   : QDate();
    case DateOrder::DayMonthYear:
        return parts->firstDigits <= 2 && parts->thirdDigits != 3
                   ? QDate(fullYear(parts->third, parts->thirdDigits), parts->second, parts->first)
                   : QDate();
    case DateOrder::Unknown:
        break;
    }
    return {};
}

DateOrderFinding findDateOrder(const QStringList& dates) {
    constexpr std::array<DateOrder, 3> kOrders{DateOrder::YearMonthDay, DateOrder::MonthDayYear,
                                               DateOrder::DayMonthYear};
    std::array<bool, 3> reads{true, true, true};
    for (const QString& text : dates) {
        for (std::size_t i = 0; i < kOrders.size(); ++i) {
            reads[i] = reads[i] && dateIn(text, kOrders[i]).isValid();
        }
    }
    DateOrderFinding finding;
    if (dates.isEmpty()) {
        return finding;
    }
    if (reads[0]) {
        finding.order = DateOrder::YearMonthDay;
    } else if (reads[1] && reads[2]) {
        // Ambiguous only when a date reads differently each way (03/04/2026); dates whose
        // day and month agree read the same either way.
        finding.order = DateOrder::MonthDayYear;
        for (const QString& text : dates) {
            if (dateIn(text, DateOrder::MonthDayYear) != dateIn(text, DateOrder::DayMonthYear)) {
                finding = {DateOrder::Unknown, true, text.trimmed()};
                break;
            }
        }
    } else if (reads[1]) {
        finding.order = DateOrder::MonthDayYear;
    } else if (reads[2]) {
        finding.order = DateOrder::DayMonthYear;
    }
    return finding;
}

} // namespace folio::bank
