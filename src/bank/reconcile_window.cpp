#include "bank/reconcile_window.h"
#include "data/export_file.h"
#include "data/file_error.h"
#include "data/text_rules.h"
#include "journal/books_journal.h"
#include "journal/entry_date.h"
#include "reports/qt_page_printer.h"
#include "reports/qt_report_files.h"
#include "session/books_session.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

namespace folio::bank {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleName(QString(caption).remove(u'&'));
    return made;
}

} // namespace

ReconcileWindow::ReconcileWindow(session::BooksSession& session, const QString& company,
                                 ui::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), session_(session), store_(session.journalStore()),
      books_(journal::booksFile(session.books())), company_(company), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmReconcile"));
    setWindowTitle(QStringLiteral("Reconcile Account"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    account_ = new QComboBox(this);
    account_->setObjectName(QStringLiteral("cboReconcileAccount"));
    account_->setAccessibleName(QStringLiteral("Account"));
    for (const AccountRecord& record : journal::recordsOf(journal::readImage(books_))) {
        if (!record.name.isEmpty()) {
            account_->addItem(record.name);
        }
    }
    auto* accountLabel = new QLabel(QStringLiteral("&Account:"), this);
    accountLabel->setBuddy(account_);
    form->addRow(accountLabel, account_);
    date_ = addBox(*form, "txtStatementDate", QStringLiteral("Statement &date:"));
    ending_ = addBox(*form, "txtEndingBalance", QStringLiteral("&Ending balance:"));
    layout->addLayout(form);
    QPushButton* list = button(this, "cmdListLines", QStringLiteral("&List Lines"));
    layout->addWidget(list);
    grid_ = new QTableWidget(0, 4, this);
    grid_->setObjectName(QStringLiteral("grdReconcile"));
    grid_->setAccessibleName(QStringLiteral("Unreconciled lines"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Cleared"), QStringLiteral("Date"),
                                      QStringLiteral("Description"), QStringLiteral("Amount")});
    grid_->verticalHeader()->setVisible(false);
    // The description takes the room left; the other columns fit their contents once listed.
    grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    layout->addWidget(grid_);
    cleared_ = new QLabel(this);
    cleared_->setObjectName(QStringLiteral("lblClearedBalance"));
    cleared_->setAccessibleName(QStringLiteral("Cleared balance"));
    difference_ = new QLabel(this);
    difference_->setObjectName(QStringLiteral("lblDifference"));
    difference_->setAccessibleName(QStringLiteral("Difference"));
    layout->addWidget(cleared_);
    layout->addWidget(difference_);
    auto* row = new QHBoxLayout;
    finish_ = button(this, "cmdFinish", QStringLiteral("&Finish"));
    QPushButton* changes = button(this, "cmdChanges", QStringLiteral("What C&hanged"));
    QPushButton* print = button(this, "cmdPrintReconciliation", QStringLiteral("&Print..."));
    QPushButton* pdf = button(this, "cmdExportReconciliation", QStringLiteral("E&xport PDF..."));
    QPushButton* close = button(this, "cmdCloseReconcile", QStringLiteral("&Close"));
    for (QPushButton* each : {finish_, changes, print, pdf, close}) {
        each->setAutoDefault(false);
        row->addWidget(each);
    }
    layout->addLayout(row);
    connect(list, &QPushButton::clicked, this, &ReconcileWindow::listStatementLines);
    connect(finish_, &QPushButton::clicked, this, &ReconcileWindow::finishReconciliation);
    connect(changes, &QPushButton::clicked, this, &ReconcileWindow::showChangesSinceLast);
    connect(print, &QPushButton::clicked, this, &ReconcileWindow::printReconciliation);
    connect(pdf, &QPushButton::clicked, this, &ReconcileWindow::exportReconciliationPdf);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &QTableWidget::itemChanged, this, &ReconcileWindow::itemChanged);
    updateFigures();
    resize(760, 560);
}

ReconcileWindow::~ReconcileWindow() = default;

QLineEdit* ReconcileWindow::addBox(QFormLayout& form, const char* name, const QString& caption) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
    auto* label = new QLabel(caption, this);
    label->setBuddy(box);
    form.addRow(label, box);
    return box;
}

void ReconcileWindow::listStatementLines() {
    const auto date = readDate(date_->text());
    if (!date) {
        dialogs_.message(journal::notADateMessage(date_->text()));
        return;
    }
    const auto ending = parseAmount(ending_->text());
    if (!ending) {
        dialogs_.message(
            QStringLiteral("The ending balance \"%1\" is not an amount.").arg(ending_->text()));
        return;
    }
    finished_ = false;
    ui::runReported(dialogs_, [&] {
        const std::vector<AccountRecord> records = journal::recordsOf(journal::readImage(books_));
        const auto found = std::find_if(records.cbegin(), records.cend(), [&](const auto& r) {
            return r.name == account_->currentText();
        });
        if (found == records.cend()) {
            return;
        }
        reconciler_ = std::make_unique<Reconciler>(store_, found->name,
                                                   !found->type.startsWith(u'C'), found->current);
        statementDate_ = *date;
        endingBalance_ = *ending;
        reconciler_->start(*date, *ending);
    });
    const QSignalBlocker quiet(grid_);
    const std::vector<AccountLine> lines =
        reconciler_ ? reconciler_->lines() : std::vector<AccountLine>{};
    grid_->setRowCount(static_cast<int>(lines.size()));
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const AccountLine& line = lines[static_cast<std::size_t>(row)];
        auto* tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        tick->setCheckState(Qt::Unchecked);
        grid_->setItem(row, 0, tick);
        grid_->setItem(row, 1, new QTableWidgetItem(journal::shownDate(line.date)));
        grid_->setItem(row, 2, new QTableWidgetItem(line.description));
        auto* amount = new QTableWidgetItem(formatCurrency(line.amount));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid_->setItem(row, 3, amount);
        for (int column = 1; column < 4; ++column) {
            grid_->item(row, column)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
    }
    for (const int column : {0, 1, 3}) {
        grid_->resizeColumnToContents(column);
    }
    updateFigures();
}

void ReconcileWindow::itemChanged(QTableWidgetItem* item) {
    if (reconciler_ && item->column() == 0) {
        reconciler_->setCleared(static_cast<std::size_t>(item->row()),
                                item->checkState() == Qt::Checked);
        updateFigures();
    }
}

void ReconcileWindow::updateFigures() {
    if (!reconciler_) {
        cleared_->setText(QStringLiteral("Cleared balance:"));
        difference_->setText(QStringLiteral("Difference:"));
        finish_->setEnabled(false);
        return;
    }
    cleared_->setText(
        QStringLiteral("Cleared balance: %1").arg(formatCurrency(reconciler_->clearedBalance())));
    difference_->setText(
        QStringLiteral("Difference: %1").arg(formatCurrency(reconciler_->difference())));
    finish_->setEnabled(!finished_ && reconciler_->canFinish());
}

void ReconcileWindow::finishReconciliation() {
    if (!reconciler_ || finished_ || !reconciler_->canFinish()) {
        dialogs_.beep();
        return;
    }
    std::optional<Reconciliation> done;
    const session::ChangeResult kept =
        session_.keepRecords([&](journal::JournalStore&) { done = reconciler_->finish(); });
    ui::reportChange(dialogs_, kept);
    if (!kept.succeeded()) {
        // Another client's change came first (or a file step failed): the lines are listed
        // again from the books as they are now.
        listStatementLines();
        return;
    }
    if (done) {
        dialogs_.message(QStringLiteral("Reconciliation %1 of %2 to the statement of %3 "
                                        "recorded: %4 lines cleared.")
                             .arg(done->id)
                             .arg(done->account, journal::shownDate(done->statementDate))
                             .arg(done->linesCleared));
        // The window stays on the finished reconciliation, its ticks fixed, to print it.
        finished_ = true;
        const QSignalBlocker quiet(grid_);
        for (int row = 0; row < grid_->rowCount(); ++row) {
            grid_->item(row, 0)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        updateFigures();
    }
}

void ReconcileWindow::showChangesSinceLast() {
    if (!reconciler_) {
        dialogs_.beep();
        return;
    }
    QStringList shown;
    ui::runReported(dialogs_, [&] {
        const auto last = reconciler_->last();
        shown << (last ? QStringLiteral("Changes to %1 since the reconciliation of %2:")
                             .arg(account_->currentText(), journal::shownDate(last->statementDate))
                       : QStringLiteral("Changes to %1 (never reconciled):")
                             .arg(account_->currentText()));
        for (const AccountChange& change : reconciler_->changesSinceLast()) {
            shown << QStringLiteral("Entry %1  %2  %3  %4  %5")
                         .arg(change.seq)
                         .arg(change.kind, journal::shownDate(change.date),
                              formatCurrency(change.amount), change.memo);
        }
    });
    if (shown.size() == 1) {
        shown << QStringLiteral("(none)");
    }
    dialogs_.message(shown.join(u'\n'));
}

ReconciliationFigures ReconcileWindow::figures() const {
    ReconciliationFigures f;
    f.company = company_;
    f.account = account_->currentText();
    f.statementDate = statementDate_;
    f.endingBalance = endingBalance_;
    if (reconciler_) {
        f.openingBalance = reconciler_->openingBalance();
        f.clearedBalance = reconciler_->clearedBalance();
        f.difference = reconciler_->difference();
        f.lines = reconciler_->lines();
    }
    return f;
}

void ReconcileWindow::printReconciliation() {
    if (!reconciler_) {
        dialogs_.beep();
        return;
    }
    QPrinter printer;
    reports::useDefaultPaper(printer);
    const std::optional<int> copies = dialogs_.choosePrinter(printer);
    if (!copies) {
        return;
    }
    reports::PrinterSettings settings;
    std::optional<reports::QtPagePrinter> page;
    try {
        page.emplace(printer, settings);
        reports::printCopiesOn(*page, reconciliationReport(figures()), *copies, true);
        page->endDocument();
    } catch (const reports::PrintError&) {
        if (page) {
            page->abort();
        }
        dialogs_.message(QStringLiteral("The reconciliation report could not be printed."),
                         ui::MessageIcon::Critical);
    }
}

void ReconcileWindow::exportReconciliationPdf() {
    if (!reconciler_) {
        dialogs_.beep();
        return;
    }
    const auto path = dialogs_.saveFileName(QStringLiteral("Export Reconciliation"),
                                            QStringLiteral("reconciliation.pdf"),
                                            {QStringLiteral("PDF document (*.pdf)")});
    if (!path) {
        return;
    }
    try {
        reports::writeReportPdf(reconciliationReport(figures()), *path, books_.path);
    } catch (const ExportRefused& refused) {
        dialogs_.message(refused.words());
    } catch (const FileError& error) {
        dialogs_.message(
            QStringLiteral("Cannot write %1: %2").arg(*path, errorMessage(error.number())),
            ui::MessageIcon::Critical);
    } catch (const reports::PrintError&) {
        dialogs_.message(QStringLiteral("Cannot write the PDF file %1").arg(*path),
                         ui::MessageIcon::Critical);
    }
}

} // namespace folio::bank
