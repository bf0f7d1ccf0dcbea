#include "reports/report_layout.h"
#include "reports/balance_sheet_report.h"
#include "reports/equity_report.h"
#include "reports/income_statement_report.h"
#include "reports/trial_balance_report.h"

namespace folio::reports {

using statements::Missing;

QString missingMessage(Report report, Missing missing) {
    switch (report) {
    case Report::IncomeStatement:
        return missing == Missing::Business
                   ? QStringLiteral("You must complete company information section")
                   : QStringLiteral("You need to enter the amount of ending inventory");
    case Report::Equity:
        return statements::missingInputMessage(missing, QStringLiteral("income statement"));
    default:
        return statements::missingInputMessage(missing, QStringLiteral("stockholders' equity"));
    }
}

std::vector<PrintLine> reportLayout(Report report, const ReportHeading& heading,
                                    const statements::Statements& s) {
    switch (report) {
    case Report::TrialBalance:
        return trialBalanceLayout(heading, s);
    case Report::IncomeStatement:
        return s.income->business == statements::Business::Merchandising
                   ? merchandisingLayout(heading, s, *s.income)
                   : serviceLayout(heading, s, *s.income);
    case Report::Equity:
        return equityLayout(heading, *s.equity);
    case Report::BalanceSheet:
        return balanceSheetLayout(heading, s);
    case Report::CashFlows: // laid out from figures of its own: cashFlowLayout
        break;
    }
    return {};
}

bool reportSetsFont(Report report) {
    return report != Report::Equity;
}

} // namespace folio::reports
