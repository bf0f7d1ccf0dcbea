#include "cashflow/cash_flow_source.h"
#include <QFileInfo>

namespace folio::cashflow {

CashFlows cashFlowsOf(const statements::Statements& now, const statements::CompanyInfo& company,
                      journal::JournalStore* store, const statements::CashFlowClasses& classes) {
    CashFlows flows;
    flows.missing = now.missing;
    if (flows.missing != statements::Missing::Nothing) {
        return flows;
    }
    if (store != nullptr && store->isOpen()) {
        flows.beginning = journal::periodBeginningIn(*store);
    }
    if (!flows.beginning) {
        return flows;
    }
    AccountTable table{flows.beginning->records};
    const statements::CompanyInfo before = statements::beginningCompany(table, company);
    const statements::Statements beginning = statements::computeStatements(table, before);
    flows.statement =
        statements::computeCashFlows(beginning, now, classes, flows.beginning->entries);
    return flows;
}

QString periodText(const journal::PeriodBeginning& beginning) {
    const QString date = beginning.made.toLocalTime().date().toString(QStringLiteral("M/d/yyyy"));
    if (beginning.closedCopy) {
        return QStringLiteral("Period from the closing of %1 on %2")
            .arg(QFileInfo(beginning.closedFrom).fileName(), date);
    }
    return QStringLiteral("Period from the opening of the journal on %1").arg(date);
}

QString noBeginningMessage() {
    return QStringLiteral("The statement of cash flows compares the books with the beginning of "
                          "the period, which their journal keeps. These books have no journal "
                          "that Folio can read.");
}

} // namespace folio::cashflow
