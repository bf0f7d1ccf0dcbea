#include "reports/comparative.h"
#include "data/csv_text.h"
#include "reports/print_masks.h"
#include "reports/statement_csv.h"
#include <QStringList>
#include <algorithm>

namespace folio::reports {

namespace {

__extension__ using Wide = __int128;

constexpr int kWidth = 92;
constexpr int kCurrent = 42;
constexpr int kPrior = 57;
constexpr int kChange = 72;
constexpr int kPercent = 86;

// A CSV line ended as every statement's CSV ends its lines.
QString csvRow(const QStringList& fields) {
    return csvLine(fields) + QStringLiteral("\r\n");
}

} // namespace

std::vector<ComparativeRow> compareRows(const std::vector<StatementRow>& now,
                                        const std::vector<StatementRow>& prior) {
    std::vector<ComparativeRow> rows;
    std::vector<bool> used(prior.size());
    for (const StatementRow& row : now) {
        ComparativeRow c{row.kind, row.label, row.amount, {}};
        for (std::size_t i = 0; i < prior.size(); ++i) {
            if (!used[i] && prior[i].label == row.label && prior[i].kind == row.kind) {
                c.prior = prior[i].amount;
                used[i] = true;
                break;
            }
        }
        rows.push_back(c);
    }
    for (std::size_t i = 0; i < prior.size(); ++i) {
        if (!used[i] && prior[i].kind != StatementRow::Kind::Heading) {
            rows.push_back({prior[i].kind, prior[i].label, {}, prior[i].amount});
        }
    }
    return rows;
}

QString changePercent(Money current, Money prior) {
    if (prior.isZero()) {
        return {};
    }
    // Tenths of a percent, halves away from zero, in integers wide enough for any amounts.
    const Wide change = static_cast<Wide>(current.raw()) - prior.raw();
    const Wide base = prior.raw() < 0 ? -static_cast<Wide>(prior.raw()) : prior.raw();
    Wide tenths = (change * 2000 + (change < 0 ? -base : base)) / (2 * base);
    const bool negative = tenths < 0;
    if (negative) {
        tenths = -tenths;
    }
    return QStringLiteral("%1%2.%3%")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(static_cast<qlonglong>(tenths / 10))
        .arg(static_cast<int>(tenths % 10));
}

std::vector<PrintLine> comparativeLayout(const ReportHeading& heading, const Comparative& c) {
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().centred(kWidth, c.title + QStringLiteral(", Comparative")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    lines.emplace_back();
    lines.push_back(PrintLine().text(c.source));
    lines.emplace_back();
    lines.push_back(PrintLine()
                        .tab(kCurrent)
                        .text(QStringLiteral("Current"))
                        .tab(kPrior)
                        .text(QStringLiteral("Prior"))
                        .tab(kChange)
                        .text(QStringLiteral("Change"))
                        .tab(kPercent)
                        .text(QStringLiteral("%")));
    for (const ComparativeRow& row : c.rows) {
        if (row.kind == StatementRow::Kind::Heading) {
            lines.push_back(PrintLine().text(row.label));
            continue;
        }
        const QString indent =
            row.kind == StatementRow::Kind::Detail ? QStringLiteral("  ") : QString();
        // a label too long for its column is printed whole, its amounts on the row below
        lines.push_back(PrintLine()
                            .text(indent + row.label)
                            .tab(kCurrent)
                            .text(dollarMask(row.current))
                            .tab(kPrior)
                            .text(dollarMask(row.prior))
                            .tab(kChange)
                            .text(dollarMask(row.change()))
                            .tab(kPercent)
                            .text(changePercent(row.current, row.prior)));
    }
    return lines;
}

QString comparativeCsv(const ReportHeading& heading, const Comparative& c) {
    QString text = csvRow({QStringLiteral("Company"), csvText(heading.company)});
    text += csvRow({QStringLiteral("Statement"), c.title});
    text += csvRow({QStringLiteral("Date"), csvText(heading.date)});
    text += csvRow({QStringLiteral("Prior"), csvText(c.source)});
    text += csvRow({QStringLiteral("Line"), QStringLiteral("Current"), QStringLiteral("Prior"),
                    QStringLiteral("Change"), QStringLiteral("Change %")});
    for (const ComparativeRow& row : c.rows) {
        if (row.kind == StatementRow::Kind::Heading) {
            text += csvRow({csvText(row.label)});
            continue;
        }
        text += csvRow({csvText(row.label), csvAmount(row.current), csvAmount(row.prior),
                        csvAmount(row.change()), changePercent(row.current, row.prior)});
    }
    return text;
}

} // namespace folio::reports
