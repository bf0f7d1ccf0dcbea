#include "statements/trial_balance_tab.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "statements/statement_chain.h"
#include "ui/form.h"
#include "ui/listing_grid.h"
#include "ui/listing_view.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace folio::statements {

namespace {

QLineEdit* totalBox(const char* name, const QString& accessibleName, QWidget* parent) {
    QLineEdit* box = ui::Form::figureBox(QString::fromLatin1(name), parent);
    box->setAccessibleName(accessibleName);
    return box;
}

QLabel* heading(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString magnitude(Money amount) {
    return formatCurrency(amount.isNegative() ? -amount : amount);
}

} // namespace

QString balanceText(const Amounts& d) {
    if (d.isZero()) {
        return QStringLiteral("In balance");
    }
    if (d.ytd.isZero()) {
        return QStringLiteral("Out of balance by %1 current; year to date in balance")
            .arg(magnitude(d.current));
    }
    if (d.current.isZero()) {
        return QStringLiteral("Out of balance by %1 year to date; current in balance")
            .arg(magnitude(d.ytd));
    }
    return QStringLiteral("Out of balance by %1 current and %2 year to date")
        .arg(magnitude(d.current), magnitude(d.ytd));
}

TrialBalanceTab::TrialBalanceTab(ui::TabContext context, QWidget* parent)
    : TabPage(context, parent) {
    setObjectName(QStringLiteral("TrialBalanceTab"));
    auto* grid = new ui::ListingGrid(QStringLiteral("grdTAble"), QStringLiteral("Trial Balance"),
                                     QStringLiteral("Year To date Balance"), this);
    trialBalanceGrid_ = &grid->view();
    debitsBox_ = totalBox("txtDebit", QStringLiteral("Current Debits"), this);
    ytdDebitsBox_ = totalBox("txtYtdDebits", QStringLiteral("Year to Date Debits"), this);
    creditsBox_ = totalBox("txtCredits", QStringLiteral("Current Credits"), this);
    ytdCreditsBox_ = totalBox("txtYtdCredits", QStringLiteral("Year to Date Credits"), this);
    balanceLabel_ = new QLabel(this);
    balanceLabel_->setObjectName(QStringLiteral("lblBalance"));
    balanceLabel_->setAccessibleName(QStringLiteral("Balance"));
    balanceLabel_->setWordWrap(true);

    auto* totals = new QGridLayout();
    totals->addWidget(heading("lblCurrent", "Current", this), 0, 1);
    totals->addWidget(heading("lblYearToDate", "Year to Date", this), 0, 2);
    ui::Form::addLabelled(totals, 1, 0, QStringLiteral("lblDebits"), QStringLiteral("&Debits"),
                          debitsBox_, this);
    totals->addWidget(ytdDebitsBox_, 1, 2);
    ui::Form::addLabelled(totals, 2, 0, QStringLiteral("lblCredits"), QStringLiteral("&Credits"),
                          creditsBox_, this);
    totals->addWidget(ytdCreditsBox_, 2, 2);
    totals->setColumnStretch(1, 1);
    totals->setColumnStretch(2, 1);

    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    connect(print, &QPushButton::clicked, this, &TrialBalanceTab::printRequested);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(balanceLabel_, 1);
    buttons->addWidget(print);

    auto* page = new QVBoxLayout(this);
    page->addWidget(grid, 1);
    page->addLayout(totals);
    page->addLayout(buttons);
}

std::optional<ui::Tab> TrialBalanceTab::enter() {
    if (shownStamp_.stillShown(ctx_)) {
        trialBalanceGrid_->showAgain(); // the figures shown are the books' figures still
        return std::nullopt;
    }
    trialBalanceGrid_->clear();
    for (QLineEdit* box : {debitsBox_, creditsBox_, ytdDebitsBox_, ytdCreditsBox_}) {
        box->clear();
    }
    // The balance line is cleared only when the figures cannot be shown: it wraps, so each
    // change of its text lays the page out again.
    try {
        const int file = ctx_.books.reopen();
        show(computeStatements(ctx_.books.files(), file, ctx_.company,
                               trialBalanceGrid_->listBooks(ctx_.books)));
        shownStamp_.shown();
    } catch (...) {
        balanceLabel_->clear();
        throw;
    }
    return std::nullopt;
}

void TrialBalanceTab::show(const Statements& s) {
    trialBalanceGrid_->showListing();
    debitsBox_->setText(formatCurrency(s.trial.debits.current));
    creditsBox_->setText(formatCurrency(s.trial.credits.current));
    ytdDebitsBox_->setText(formatCurrency(s.trial.debits.ytd));
    ytdCreditsBox_->setText(formatCurrency(s.trial.credits.ytd));
    const QString text = balanceText(s.trial.difference());
    balanceLabel_->setText(text);
    balanceLabel_->setAccessibleDescription(text);
}

} // namespace folio::statements
