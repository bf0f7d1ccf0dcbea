#include "cashflow/cash_flow_tab.h"
#include "cashflow/cash_flow_class_dialog.h"
#include "cashflow/cash_flow_source.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "journal/books_journal.h"
#include "journal/cash_flow_classes.h"
#include "reports/cash_flow_rows.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include "ui/form.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace folio::cashflow {

using ui::Form::cell;

CashFlowTab::CashFlowTab(ui::TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("CashFlowTab"));
    periodLabel_ = new QLabel(this);
    periodLabel_->setObjectName(QStringLiteral("lblPeriod"));
    periodLabel_->setWordWrap(true);
    flowsGrid_ = new QTableWidget(0, 2, this);
    flowsGrid_->setObjectName(QStringLiteral("grdCashFlows"));
    flowsGrid_->setAccessibleName(QStringLiteral("Statement of Cash Flows"));
    flowsGrid_->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Current")});
    flowsGrid_->verticalHeader()->hide();
    flowsGrid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    flowsGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    flowsGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    flowsGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    QGridLayout* figures = ui::Form::figureGrid(
        {
            {&netChangeBox_, "txtNetChange", "lblNetChange", "&Net Change in Cash", 0, 0},
            {&cashChangeBox_, "txtCashChange", "lblCashChange", "Change in Cash &Accounts", 1, 0},
            {&cashBeginningBox_, "txtCashBeginning", "lblCashBeginning", "Cash at &Beginning", 0,
             2},
            {&cashEndBox_, "txtCashEnd", "lblCashEnd", "Cash at &End", 1, 2},
        },
        this);
    cashCheckLabel_ = new QLabel(this);
    cashCheckLabel_->setObjectName(QStringLiteral("lblCashCheck"));
    cashCheckLabel_->setAccessibleName(QStringLiteral("Cash check"));
    auto* classes = new QPushButton(QStringLiteral("C&lasses..."), this);
    classes->setObjectName(QStringLiteral("cmdCashFlowClasses"));
    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrintCf"));
    connect(print, &QPushButton::clicked, this, &CashFlowTab::printRequested);
    connect(classes, &QPushButton::clicked, this,
            [this] { ui::runReported(ctx_.dialogs, [this] { checkClasses(ctx_.books.read()); }); });
    auto* commands = new QHBoxLayout();
    commands->addWidget(cashCheckLabel_, 1);
    commands->addWidget(classes);
    commands->addWidget(print);
    auto* page = new QVBoxLayout(this);
    page->addWidget(periodLabel_);
    page->addWidget(flowsGrid_, 1);
    page->addLayout(figures);
    page->addLayout(commands);
}

std::optional<ui::Tab> CashFlowTab::enter() {
    flowsGrid_->setRowCount(0);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    cashCheckLabel_->clear();
    periodLabel_->clear();
    const statements::Statements s = statements::computeStatements(ctx_.books.read(), ctx_.company);
    if (s.missing != statements::Missing::Nothing) {
        ctx_.dialogs.message(
            statements::missingInputMessage(s.missing, QStringLiteral("stockholders' equity")));
        return ui::Tab::Company;
    }
    journal::JournalStore* store =
        ctx_.session.hasJournal() ? &ctx_.session.journalStore() : nullptr;
    const auto kept = store != nullptr ? journal::cashFlowClassesIn(*store) : std::nullopt;
    const CashFlows flows =
        cashFlowsOf(s, ctx_.company, store, kept.value_or(statements::CashFlowClasses{}));
    if (!flows.statement) {
        periodLabel_->setText(noBeginningMessage());
        return std::nullopt;
    }
    periodLabel_->setText(periodText(*flows.beginning));
    show(*flows.statement);
    if (!kept && checkedFor_ != ctx_.books.path()) {
        checkedFor_ = ctx_.books.path();
        checkClasses(s.table);
    }
    return std::nullopt;
}

void CashFlowTab::show(const statements::CashFlowStatement& s) {
    for (const reports::StatementRow& row : reports::cashFlowRows(s)) {
        const int at = flowsGrid_->rowCount();
        flowsGrid_->insertRow(at);
        const bool heading = row.kind == reports::StatementRow::Kind::Heading;
        const QString label = row.kind == reports::StatementRow::Kind::Detail
                                  ? QStringLiteral("    ") + row.label
                                  : row.label;
        flowsGrid_->setItem(at, 0, cell(label, false));
        flowsGrid_->setItem(at, 1, cell(heading ? QString() : formatCurrency(row.amount), true));
    }
    netChangeBox_->setText(formatCurrency(s.netChange));
    cashChangeBox_->setText(formatCurrency(s.cashChange()));
    cashBeginningBox_->setText(formatCurrency(s.cashAtBeginning));
    cashEndBox_->setText(formatCurrency(s.cashAtEnd));
    const QString check =
        s.checkDifference().isZero()
            ? QStringLiteral("The net change equals the change in the cash accounts")
            : QStringLiteral("Out of balance by %1").arg(formatCurrency(s.checkDifference()));
    cashCheckLabel_->setText(check);
    cashCheckLabel_->setAccessibleDescription(check);
}

void CashFlowTab::checkClasses(const AccountTable& table) {
    if (!ctx_.session.hasJournal()) {
        ctx_.dialogs.message(noBeginningMessage());
        return;
    }
    const auto kept = ctx_.session.cashFlowClasses();
    auto* dialog =
        new CashFlowClassDialog(table, kept.value_or(statements::CashFlowClasses{}), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const statements::CashFlowClasses chosen = dialog->classes();
        if (ui::reportChange(ctx_.dialogs, ctx_.session.keepCashFlowClasses(chosen))) {
            ui::runWithRetry(ctx_.dialogs, [this] { enter(); });
        }
    });
    dialog->open();
}

} // namespace folio::cashflow
