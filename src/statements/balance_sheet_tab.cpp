#include "statements/balance_sheet_tab.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "statements/statement_chain.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/listing_grid.h"
#include "ui/listing_view.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace folio::statements {

namespace {

// A closing check box: a click asks for the closing and the box is cleared again, so it
// never stays ticked over books that were not closed.
QCheckBox* closingBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

// Whether the current assets equal the liabilities plus equity, as the line under the
// figures says it.
QString balanceText(const BalanceSheet& f) {
    const Money difference = f.totalAssets.current - f.totalLiabilitiesAndEquity.current;
    if (difference.roundedToCents().isZero()) {
        return QStringLiteral("In balance: the assets equal the liabilities plus equity.");
    }
    return QStringLiteral("Out of balance by %1: the assets differ from the liabilities plus "
                          "equity.")
        .arg(formatCurrency(difference));
}

} // namespace

BalanceSheetTab::BalanceSheetTab(ui::TabContext context, QWidget* parent)
    : TabPage(context, parent) {
    setObjectName(QStringLiteral("BalanceSheetTab"));
    auto* grid = new ui::ListingGrid(QStringLiteral("MSFlexGrid2"), QStringLiteral("Accounts"),
                                     QStringLiteral("Year To date Balance"), this);
    accountsView_ = &grid->view();
    assetsBox_ = ui::Form::figureBox(QStringLiteral("txtTotalCurrentAssets"), this);
    liabilitiesBox_ = ui::Form::figureBox(QStringLiteral("txtTotalCurrentLiabilities"), this);
    capitalBox_ = ui::Form::figureBox(QStringLiteral("txtCapital"), this);
    stockBox_ = ui::Form::figureBox(QStringLiteral("txtStock"), this);
    liabilitiesEquityBox_ = ui::Form::figureBox(QStringLiteral("txtTotalLiabilitiesEquity"), this);
    inBalanceLabel_ = new QLabel(this);
    inBalanceLabel_->setObjectName(QStringLiteral("lblInBalance"));
    inBalanceLabel_->setAccessibleName(QStringLiteral("Balance check"));
    inBalanceLabel_->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                             Qt::TextSelectableByMouse);
    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrintBs"));
    QCheckBox* monthly =
        closingBox(QStringLiteral("chkMonthly"), QStringLiteral("Close &monthly books"), this);
    QCheckBox* yearly =
        closingBox(QStringLiteral("chkYearly"), QStringLiteral("Close &yearly books"), this);
    connect(print, &QPushButton::clicked, this, &BalanceSheetTab::printRequested);
    connect(monthly, &QCheckBox::clicked, this, [this, monthly] {
        monthly->setChecked(false);
        emit monthlyClosingRequested();
    });
    connect(yearly, &QCheckBox::clicked, this, [this, yearly] {
        yearly->setChecked(false);
        emit yearlyClosingRequested();
    });

    auto* figures = new QGridLayout();
    ui::Form::addLabelled(figures, 0, 0, QStringLiteral("lblAssets"), QStringLiteral("&Assets"),
                          assetsBox_, this);
    ui::Form::addLabelled(figures, 1, 0, QStringLiteral("lblLiabilities"),
                          QStringLiteral("&Liabilities"), liabilitiesBox_, this);
    ui::Form::addLabelled(figures, 0, 2, QStringLiteral("lblCapital"),
                          QStringLiteral("&Retained Earnings"), capitalBox_, this);
    ui::Form::addLabelled(figures, 1, 2, QStringLiteral("lblStock"),
                          QStringLiteral("Capital &Stock"), stockBox_, this);
    ui::Form::addLabelled(figures, 2, 2, QStringLiteral("lblTotalLiabilitiesEquity"),
                          QStringLiteral("Liabilities + &Equity"), liabilitiesEquityBox_, this);
    figures->addWidget(inBalanceLabel_, 2, 0, 1, 2);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(3, 1);

    auto* commands = new QHBoxLayout();
    commands->addWidget(monthly);
    commands->addWidget(yearly);
    commands->addStretch(1);
    commands->addWidget(print);

    auto* page = new QVBoxLayout(this);
    page->addWidget(grid, 1);
    page->addLayout(figures);
    page->addLayout(commands);
}

std::optional<ui::Tab> BalanceSheetTab::enter() {
    if (shownStamp_.stillShown(ctx_)) {
        accountsView_->showAgain(); // the figures shown are the books' figures still
        return std::nullopt;
    }
    accountsView_->clear();
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    inBalanceLabel_->clear();
    const int file = ctx_.books.reopen();
    const Statements s = computeStatements(ctx_.books.files(), file, ctx_.company,
                                           accountsView_->listBooks(ctx_.books));
    if (s.missing != Missing::Nothing) {
        ctx_.dialogs.message(
            missingInputMessage(s.missing, QStringLiteral("stockholders' equity")));
        return ui::Tab::Company;
    }
    show(s);
    shownStamp_.shown();
    return std::nullopt;
}

void BalanceSheetTab::show(const Statements& s) {
    const BalanceSheet& f = *s.balance;
    accountsView_->showListing();
    assetsBox_->setText(formatCurrency(f.totalAssets.current));
    liabilitiesBox_->setText(formatCurrency(f.liabilities.current));
    capitalBox_->setText(formatCurrency(f.retainedEarnings.current));
    stockBox_->setText(formatCurrency(f.capitalStock.current));
    liabilitiesEquityBox_->setText(formatCurrency(f.totalLiabilitiesAndEquity.current));
    inBalanceLabel_->setText(balanceText(f));
}

} // namespace folio::statements
