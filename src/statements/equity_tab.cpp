#include "statements/equity_tab.h"
#include "data/books.h"
#include "data/text_rules.h"
#include "statements/statement_chain.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace folio::statements {

namespace {

QLabel* heading(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

// One row of the statement: its label tied to the current box, the year-to-date box
// named after the row for screen readers.
void addRow(QGridLayout* grid, int row, const QString& caption, QLineEdit* current,
            QLineEdit* ytd) {
    QWidget* parent = grid->parentWidget();
    const QString name = QStringLiteral("lbl") + current->objectName().mid(3);
    ui::Form::addLabelled(grid, row, 0, name, caption, current, parent);
    grid->addWidget(ytd, row, 2);
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    ytd->setAccessibleName(QStringLiteral("Year to Date ") + plain);
}

} // namespace

EquityTab::EquityTab(ui::TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("EquityTab"));
    for (auto [box, name] : std::initializer_list<std::pair<QLineEdit**, const char*>>{
             {&beginningCapitalBox_, "txtBegCap"},
             {&ytdBeginningCapitalBox_, "txtYtdBegCap"},
             {&capitalStockBox_, "txtCapStock"},
             {&txtytdCapStock_, "txtytdCapStock"},
             {&currentNetBox_, "txtCurrentNet"},
             {&yearNetBox_, "txtYearNet"},
             {&dividendsBox_, "txtDividends"},
             {&ytdDividendsBox_, "txtYtdDividends"},
             {&endingCapitalBox_, "txtEndCap"},
             {&ytdEndingCapitalBox_, "txtYtdEndCap"}}) {
        *box = ui::Form::figureBox(QString::fromLatin1(name), this);
    }
    auto* print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdCapitalPrint"));
    connect(print, &QPushButton::clicked, this, &EquityTab::printRequested);

    auto* page = new QVBoxLayout(this);
    auto* figures = new QGridLayout();
    page->addLayout(figures);
    figures->addWidget(heading(QStringLiteral("lblCurrent"), QStringLiteral("Current"), this), 0,
                       1);
    figures->addWidget(
        heading(QStringLiteral("lblYearToDate"), QStringLiteral("Year to Date"), this), 0, 2);
    addRow(figures, 1, QStringLiteral("&Beg. Retained Earnings"), beginningCapitalBox_,
           ytdBeginningCapitalBox_);
    addRow(figures, 2, QStringLiteral("&Capital Stock"), capitalStockBox_, txtytdCapStock_);
    addRow(figures, 3, QStringLiteral("&Net Income"), currentNetBox_, yearNetBox_);
    addRow(figures, 4, QStringLiteral("&Dividends"), dividendsBox_, ytdDividendsBox_);
    addRow(figures, 5, QStringLiteral("&End Retained Earnings"), endingCapitalBox_,
           ytdEndingCapitalBox_);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(print);
    page->addLayout(buttons);
    page->addStretch(1);
}

std::optional<ui::Tab> EquityTab::enter() {
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->clear();
    }
    const int file = ctx_.books.reopen();
    const Statements s = computeStatements(ctx_.books.files(), file, ctx_.company);
    if (s.missing != Missing::Nothing) {
        ctx_.dialogs.message(missingInputMessage(s.missing, QStringLiteral("income statement")));
        return ui::Tab::Company;
    }
    show(*s.equity);
    return std::nullopt;
}

void EquityTab::show(const EquityStatement& f) {
    beginningCapitalBox_->setText(formatCurrency(f.beginningRetained.current));
    ytdBeginningCapitalBox_->setText(formatCurrency(f.beginningRetained.ytd));
    capitalStockBox_->setText(formatCurrency(f.capitalStock.current));
    txtytdCapStock_->setText(formatCurrency(f.capitalStock.ytd));
    currentNetBox_->setText(formatCurrency(f.netIncome.current));
    yearNetBox_->setText(formatCurrency(f.netIncome.ytd));
    dividendsBox_->setText(formatCurrency(f.dividends.current));
    ytdDividendsBox_->setText(formatCurrency(f.dividends.ytd));
    endingCapitalBox_->setText(formatCurrency(f.endingRetained.current));
    ytdEndingCapitalBox_->setText(formatCurrency(f.endingRetained.ytd));
}

} // namespace folio::statements
