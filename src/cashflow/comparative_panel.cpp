#include "cashflow/comparative_panel.h"
#include "cashflow/cash_flow_source.h"
#include "cashflow/earlier_periods.h"
#include "cashflow/prior_column.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "journal/cash_flow_classes.h"
#include "reports/report_layout.h"
#include "reports/report_printer.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include "ui/form.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace folio::cashflow {

namespace {

const QString kOtherBooks = QStringLiteral("Other closed copy...");

using ui::Form::cell;

} // namespace

ComparativePanel::ComparativePanel(ui::TabContext context, reports::ReportPrinter& printer,
                                   QWidget* parent)
    : QWidget(parent), ctx_(context), printer_(printer) {
    setObjectName(QStringLiteral("ComparativePanel"));
    compareCheck_ = new QCheckBox(QStringLiteral("Compare &with prior period"), this);
    compareCheck_->setObjectName(QStringLiteral("chkCompare"));
    compareCheck_->setAccessibleName(QStringLiteral("Compare with prior period"));
    priorBooksLabel_ = new QLabel(QStringLiteral("Prior boo&ks:"), this);
    priorBooksLabel_->setObjectName(QStringLiteral("lblPriorBooks"));
    priorBooksChoice_ = new QComboBox(this);
    priorBooksChoice_->setObjectName(QStringLiteral("cboPriorBooks"));
    priorBooksChoice_->setAccessibleName(QStringLiteral("Prior books"));
    priorBooksChoice_->view()->setAccessibleName(QStringLiteral("Prior books to choose from"));
    priorBooksChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    priorBooksLabel_->setBuddy(priorBooksChoice_);
    priorSourceLabel_ = new QLabel(this);
    priorSourceLabel_->setObjectName(QStringLiteral("lblPriorSource"));
    priorSourceLabel_->setAccessibleName(QStringLiteral("Prior column"));
    priorSourceLabel_->setWordWrap(true);
    comparisonGrid_ = new QTableWidget(0, 5, this);
    comparisonGrid_->setObjectName(QStringLiteral("grdComparative"));
    comparisonGrid_->setAccessibleName(QStringLiteral("Comparative statement"));
    comparisonGrid_->setHorizontalHeaderLabels({QStringLiteral("Line"), QStringLiteral("Current"),
                                                QStringLiteral("Prior"), QStringLiteral("Change"),
                                                QStringLiteral("Change %")});
    comparisonGrid_->verticalHeader()->hide();
    comparisonGrid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    comparisonGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    comparisonGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    comparisonGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    comparisonGrid_->setMinimumHeight(fontMetrics().height() * 12);

    auto* choice = new QHBoxLayout();
    choice->addWidget(compareCheck_);
    choice->addSpacing(16);
    choice->addWidget(priorBooksLabel_);
    choice->addWidget(priorBooksChoice_);
    choice->addWidget(priorSourceLabel_, 1);
    choice->addStretch(); // the switch alone stays its own size
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(choice);
    panel->addWidget(comparisonGrid_, 1);

    connect(compareCheck_, &QCheckBox::toggled, this, &ComparativePanel::setComparing);
    connect(priorBooksChoice_, &QComboBox::activated, this, &ComparativePanel::chosenAt);
    setComparing(false);
    hide();
}

void ComparativePanel::showFor(std::optional<reports::Report> report) {
    report_ = report;
    setVisible(report.has_value());
    refresh();
}

void ComparativePanel::setComparing(bool on) {
    const bool changed = printer_.comparing() != on;
    printer_.setComparing(on);
    {
        const QSignalBlocker quiet(compareCheck_);
        compareCheck_->setChecked(on);
    }
    for (QWidget* shown :
         {static_cast<QWidget*>(priorBooksLabel_), static_cast<QWidget*>(priorBooksChoice_),
          static_cast<QWidget*>(priorSourceLabel_), static_cast<QWidget*>(comparisonGrid_)}) {
        shown->setVisible(on);
    }
    refresh();
    if (changed) {
        emit comparingChanged(on);
    }
}

void ComparativePanel::choosePriorBooks(const QString& path) {
    printer_.setPriorBooks(path);
    fillChoices();
    refresh();
}

void ComparativePanel::fillChoices() {
    QStringList earlier;
    ui::runReported(ctx_.dialogs, [&] {
        earlier = earlierPeriods(ctx_.session.hasJournal() ? &ctx_.session.journalStore() : nullptr,
                                 ctx_.session.booksLocator());
    });
    choicesFor_ = ctx_.books.path();
    QString chosen = printer_.priorBooks();
    if (ctx_.session.onServer()) { // books of a server are told apart by their names alone
        for (const QString& each : earlier) {
            if (QFileInfo(each).fileName() == QFileInfo(chosen).fileName()) {
                chosen = each;
            }
        }
    }
    if (!chosen.isEmpty() && !earlier.isEmpty() && chosen == earlier.front()) {
        chosen.clear(); // the period just before, however it was chosen
        printer_.setPriorBooks({});
    }
    priorBooksChoice_->clear();
    priorBooksChoice_->addItem(
        earlier.isEmpty()
            ? QStringLiteral("The period before")
            : QStringLiteral("%1 (the period before)").arg(QFileInfo(earlier.front()).fileName()),
        QString());
    for (qsizetype i = 1; i < earlier.size(); ++i) {
        priorBooksChoice_->addItem(QFileInfo(earlier[i]).fileName(), earlier[i]);
    }
    if (!chosen.isEmpty() && !earlier.contains(chosen)) {
        priorBooksChoice_->addItem(QFileInfo(chosen).fileName(), chosen);
    }
    priorBooksChoice_->addItem(kOtherBooks);
    for (int i = 0; i < priorBooksChoice_->count() - 1; ++i) {
        priorBooksChoice_->setItemData(i,
                                       ctx_.session.shownNameOf(QDir::toNativeSeparators(
                                           priorBooksChoice_->itemData(i).toString())),
                                       Qt::ToolTipRole);
    }
    priorBooksChoice_->setCurrentIndex(std::max(0, priorBooksChoice_->findData(chosen)));
}

void ComparativePanel::chosenAt(int index) {
    if (index != priorBooksChoice_->count() - 1) {
        choosePriorBooks(priorBooksChoice_->itemData(index).toString());
        return;
    }
    const std::optional<QString> other =
        ctx_.session.onServer()
            ? chooseServerBooks()
            : ctx_.dialogs.openFileName(printer_.priorBooks().isEmpty() ? ctx_.books.path()
                                                                        : printer_.priorBooks());
    choosePriorBooks(other ? *other : printer_.priorBooks());
}

// Books on a server are compared with other books closed in the same database, picked from
// a list of their names.
std::optional<QString> ComparativePanel::chooseServerBooks() {
    QStringList closed;
    if (!ui::runReported(ctx_.dialogs, [&] { closed = ctx_.session.closedBooksBeside(); })) {
        return std::nullopt;
    }
    if (closed.isEmpty()) {
        ctx_.dialogs.message(QStringLiteral("No other books in this database were closed, so "
                                            "there are none to compare with."));
        return std::nullopt;
    }
    const std::optional<int> chosen =
        ctx_.dialogs.chooseFromList(QStringLiteral("&Books closed before:"), closed);
    return chosen ? std::optional(closed.value(*chosen)) : std::nullopt;
}

void ComparativePanel::refresh() {
    comparisonGrid_->setRowCount(0);
    priorSourceLabel_->clear();
    if (!ctx_.books.isSelected()) {
        return;
    }
    if (choicesFor_ != ctx_.books.path()) {
        printer_.setPriorBooks({}); // other books: their own period before
        fillChoices();
    }
    if (!report_ || !printer_.comparing()) {
        return;
    }
    const reports::Report report = *report_;
    ui::runReported(ctx_.dialogs, [&] {
        const statements::Statements s =
            statements::computeStatements(ctx_.books.read(), ctx_.company);
        if (report != reports::Report::TrialBalance && s.missing != statements::Missing::Nothing) {
            priorSourceLabel_->setText(reports::missingMessage(report, s.missing));
            return;
        }
        journal::JournalStore* store =
            ctx_.session.hasJournal() ? &ctx_.session.journalStore() : nullptr;
        std::optional<statements::CashFlowStatement> flows;
        if (report == reports::Report::CashFlows) {
            const auto kept = store != nullptr ? journal::cashFlowClassesIn(*store) : std::nullopt;
            flows =
                cashFlowsOf(s, ctx_.company, store, kept.value_or(statements::CashFlowClasses{}))
                    .statement;
            if (!flows) {
                priorSourceLabel_->setText(noBeginningMessage());
                return;
            }
        }
        const PriorColumn column =
            priorColumnOf(report, ctx_.books.path(), store, s, ctx_.company, flows,
                          printer_.priorBooks(), ctx_.session.booksLocator());
        if (!column.comparative) {
            priorSourceLabel_->setText(column.refusal);
            return;
        }
        priorSourceLabel_->setText(column.comparative->source);
        showRows(*column.comparative);
    });
    priorSourceLabel_->setAccessibleDescription(priorSourceLabel_->text());
}

void ComparativePanel::showRows(const reports::Comparative& c) {
    for (const reports::ComparativeRow& row : c.rows) {
        const int at = comparisonGrid_->rowCount();
        comparisonGrid_->insertRow(at);
        const bool heading = row.kind == reports::StatementRow::Kind::Heading;
        const QString label = row.kind == reports::StatementRow::Kind::Detail
                                  ? QStringLiteral("    ") + row.label
                                  : row.label;
        const auto amount = [heading](Money m) { return heading ? QString() : formatCurrency(m); };
        comparisonGrid_->setItem(at, 0, cell(label, false));
        comparisonGrid_->setItem(at, 1, cell(amount(row.current), true));
        comparisonGrid_->setItem(at, 2, cell(amount(row.prior), true));
        comparisonGrid_->setItem(at, 3, cell(amount(row.change()), true));
        comparisonGrid_->setItem(
            at, 4,
            cell(heading ? QString() : reports::changePercent(row.current, row.prior), true));
    }
}

} // namespace folio::cashflow
