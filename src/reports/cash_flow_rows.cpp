#include "reports/cash_flow_rows.h"

namespace folio::reports {

namespace {

using Kind = StatementRow::Kind;

void section(std::vector<StatementRow>& rows, const char* heading,
             const std::vector<statements::CashFlowLine>& lines) {
    if (heading != nullptr) {
        rows.push_back({Kind::Heading, QString::fromLatin1(heading), {}});
    }
    for (const statements::CashFlowLine& line : lines) {
        rows.push_back({Kind::Detail, line.label, line.amount});
    }
}

} // namespace

std::vector<StatementRow> cashFlowRows(const statements::CashFlowStatement& s) {
    std::vector<StatementRow> rows;
    rows.push_back({Kind::Heading, QStringLiteral("Cash flows from operating activities:"), {}});
    rows.push_back({Kind::Total, QStringLiteral("Net Income"), s.netIncome});
    if (!s.adjustments.empty()) {
        section(rows, "Adjustments for non-cash items:", s.adjustments);
    }
    if (!s.workingCapital.empty()) {
        section(rows, "Changes in current assets and liabilities:", s.workingCapital);
    }
    rows.push_back(
        {Kind::Total, QStringLiteral("Net cash from operating activities"), s.operating});
    section(rows, "Cash flows from investing activities:", s.investing);
    rows.push_back(
        {Kind::Total, QStringLiteral("Net cash from investing activities"), s.investingTotal});
    section(rows, "Cash flows from financing activities:", s.financing);
    rows.push_back(
        {Kind::Total, QStringLiteral("Net cash from financing activities"), s.financingTotal});
    rows.push_back({Kind::Total, QStringLiteral("Net Change in Cash"), s.netChange});
    rows.push_back({Kind::Total, QStringLiteral("Cash at Beginning of Period"), s.cashAtBeginning});
    rows.push_back({Kind::Total, QStringLiteral("Cash at End of Period"), s.cashAtEnd});
    if (!s.nonCash.empty()) {
        section(rows, "Investing without cash (not in the figures above):", s.nonCash);
    }
    return rows;
}

} // namespace folio::reports
