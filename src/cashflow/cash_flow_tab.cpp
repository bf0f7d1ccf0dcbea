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
    lblPeriod_ = new QLabel(this);
    lblPeriod_->setObjectName(QStringLiteral("lblPeriod"));
    lblPeriod_->setWordWrap(true);
    grdCashFlows_ = new QTableWidget(0, 2, this);
    grdCashFlows_->setObjectName(QStringLiteral("grdCashFlows"));
    grdCashFlows_->setAccessibleName(QStringLiteral("Statement of Cash Flows"));
    grdCashFlows_->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Current")});
    grdCashFlows_->verticalHeader()->hide();
    grdCashFlows_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grdCashFlows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCashFlows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCashFlows_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    QGridLayout* figures = ui::Form::figureGrid(
        {
            {&txtNetChange_, "txtNetChange", "lblNetChange", "&Net Change in Cash", 0, 0},
            {&txtCashChange_, "txtCashChange", "lblCashChange", "Change in Cash &Accounts", 1, 0},
            {&txtCashBeginning_, "txtCashBeginning", "lblCashBeginning", "Cash at &Beginning", 0,
             2},
            {&txtCashEnd_, "txtCashEnd", "lblCashEnd", "Cash at &End", 1, 2},
        },
        this);
    lblCashCheck_ = new QLabel(this);
    lblCashCheck_->setObjectName(QStringLiteral("lblCashCheck"));
    lblCashCheck_->setAccessibleName(QStringLiteral("Cash check"));
    auto* classes = new QPushButton(QStringLiteral("C&lasses..."), this);
    classes->setObjectName(QStringLiteral("cmdCashFlowClasses"));
    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrintCf"));
    connect(print, &QPushButton::clicked, this, &CashFlowTab::printRequested);
    connect(classes, &QPushButton::clicked, this,
            [this] { ui::runReported(ctx_.dialogs, [this] { checkClasses(ctx_.books.read()); }); });
    auto* commands = new QHBoxLayout();
    commands->addWidget(lblCashCheck_, 1);
    commands->addWidget(classes);
    commands->addWidget(print);
    auto* page = new QVBoxLayout(this);
    page->addWidget(lblPeriod_);
    page->addWidget(grdCashFlows_, 1);
    page->addLayout(figures);
    page->addLayout(commands);
}

std::optional<ui::Tab> CashFlowTab::enter() {
    grdCashFlows_->setRowCount(0);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    lblCashCheck_->clear();
    lblPeriod_->clear();
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
        lblPeriod_->setText(noBeginningMessage());
        return std::nullopt;
    }
    lblPeriod_->setText(periodText(*flows.beginning));
    show(*flows.statement);
    if (!kept && checkedFor_ != ctx_.books.path()) {
        checkedFor_ = ctx_.books.path();
        checkClasses(s.table);
    }
    return std::nullopt;
}

void CashFlowTab::show(const statements::CashFlowStatement& s) {
    for (const reports::StatementRow& row : reports::cashFlowRows(s)) {
        const int at = grdCashFlows_->rowCount();
        grdCashFlows_->insertRow(at);
        const bool heading = row.kind == reports::StatementRow::Kind::Heading;
        const QString label = row.kind == reports::StatementRow::Kind::Detail
                                  ? QStringLiteral("    ") + row.label
                                  : row.label;
        grdCashFlows_->setItem(at, 0, cell(label, false));
        grdCashFlows_->setItem(at, 1, cell(heading ? QString() : formatCurrency(row.amount), true));
    }
    txtNetChange_->setText(formatCurrency(s.netChange));
    txtCashChange_->setText(formatCurrency(s.cashChange()));
    txtCashBeginning_->setText(formatCurrency(s.cashAtBeginning));
    txtCashEnd_->setText(formatCurrency(s.cashAtEnd));
    const QString check =
        s.checkDifference().isZero()
            ? QStringLiteral("The net change equals the change in the cash accounts")
            : QStringLiteral("Out of balance by %1").arg(formatCurrency(s.checkDifference()));
    lblCashCheck_->setText(check);
    lblCashCheck_->setAccessibleDescription(check);
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
