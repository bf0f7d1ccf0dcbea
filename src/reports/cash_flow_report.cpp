#include "reports/cash_flow_report.h"
#include "data/csv_text.h"
#include "reports/print_masks.h"
#include "reports/statement_csv.h"
#include <QStringList>

namespace folio::reports {

namespace {
constexpr int kWidth = 92;
constexpr int kDetail = 57;
constexpr int kTotal = 75;
const QString kRule = QStringLiteral("______________");

// A CSV line ended as every statement's CSV ends its lines.
QString csvRow(const QStringList& fields) {
    return csvLine(fields) + QStringLiteral("\r\n");
}
} // namespace

std::vector<PrintLine> cashFlowLayout(const ReportHeading& heading, const CashFlowFigures& f) {
    std::vector<PrintLine> lines;
    lines.push_back(PrintLine().centred(kWidth, heading.company));
    lines.push_back(PrintLine().centred(kWidth, QStringLiteral("Statement of Cash Flows")));
    lines.push_back(PrintLine().centred(kWidth, heading.date));
    lines.push_back(PrintLine().centred(kWidth, f.period));
    for (const StatementRow& row : cashFlowRows(f.statement)) {
        switch (row.kind) {
        case StatementRow::Kind::Heading:
            lines.emplace_back();
            lines.push_back(PrintLine().text(row.label));
            break;
        case StatementRow::Kind::Detail:
            lines.push_back(
                PrintLine().tab(3).text(row.label).tab(kDetail).text(dollarMask(row.amount)));
            break;
        case StatementRow::Kind::Total:
            lines.push_back(PrintLine().text(row.label).tab(kTotal).text(dollarMask(row.amount)));
            break;
        }
    }
    lines.emplace_back();
    lines.push_back(PrintLine()
                        .text(QStringLiteral("Net change"))
                        .tab(kDetail)
                        .text(QStringLiteral("Change in cash")));
    lines.push_back(PrintLine().tab(kDetail).text(kRule).tab(kTotal).text(kRule));
    lines.push_back(PrintLine()
                        .tab(kDetail)
                        .text(numberMask(f.statement.netChange))
                        .tab(kTotal)
                        .text(numberMask(f.statement.cashChange())));
    if (!f.statement.checkDifference().isZero()) {
        lines.push_back(PrintLine()
                            .text(QStringLiteral("Out of balance by"))
                            .tab(kTotal)
                            .text(dollarMask(f.statement.checkDifference())));
    }
    return lines;
}

QString cashFlowCsv(const ReportHeading& heading, const CashFlowFigures& f) {
    QString text = csvRow({QStringLiteral("Company"), csvText(heading.company)});
    text += csvRow({QStringLiteral("Statement"), QStringLiteral("Statement of Cash Flows")});
    text += csvRow({QStringLiteral("Date"), csvText(heading.date)});
    text += csvRow({QStringLiteral("Period"), csvText(f.period)});
    text += csvRow({QStringLiteral("Line"), QStringLiteral("Current")});
    for (const StatementRow& row : cashFlowRows(f.statement)) {
        text +=
            csvRow({csvText(row.label),
                    row.kind == StatementRow::Kind::Heading ? QString() : csvAmount(row.amount)});
    }
    text +=
        csvRow({QStringLiteral("Change in Cash Accounts"), csvAmount(f.statement.cashChange())});
    return text;
}

} // namespace folio::reports
