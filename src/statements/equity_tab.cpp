#include "statements/equity_tab.h"
#include "data/account_table.h"
#include "data/books_state.h"
#include "data/company_values.h"
#include "data/text_rules.h"
#include "statements/equity.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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
    Form::addLabelled(grid, row, 0, name, caption, current, parent);
    grid->addWidget(ytd, row, 2);
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    ytd->setAccessibleName(QStringLiteral("Year to Date ") + plain);
}

} // namespace

EquityTab::EquityTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("EquityTab"));
    txtBegCap_ = Form::box(QStringLiteral("txtBegCap"), this);
    txtYtdBegCap_ = Form::box(QStringLiteral("txtYtdBegCap"), this);
    txtCapStock_ = Form::box(QStringLiteral("txtCapStock"), this);
    txtytdCapStock_ = Form::box(QStringLiteral("txtytdCapStock"), this);
    txtCurrentNet_ = Form::box(QStringLiteral("txtCurrentNet"), this);
    txtYearNet_ = Form::box(QStringLiteral("txtYearNet"), this);
    txtEndCap_ = Form::box(QStringLiteral("txtEndCap"), this);
    txtYtdEndCap_ = Form::box(QStringLiteral("txtYtdEndCap"), this);
    cmdCapitalPrint_ = new QPushButton(QStringLiteral("&Print"), this);
    cmdCapitalPrint_->setObjectName(QStringLiteral("cmdCapitalPrint"));

    auto* page = new QVBoxLayout(this);
    auto* figures = new QGridLayout();
    page->addLayout(figures);
    figures->addWidget(heading(QStringLiteral("lblCurrent"), QStringLiteral("Current"), this), 0,
                       1);
    figures->addWidget(
        heading(QStringLiteral("lblYearToDate"), QStringLiteral("Year to Date"), this), 0, 2);
    addRow(figures, 1, QStringLiteral("&Beg. Retained Earnings"), txtBegCap_, txtYtdBegCap_);
    addRow(figures, 2, QStringLiteral("&Capital Stock"), txtCapStock_, txtytdCapStock_);
    addRow(figures, 3, QStringLiteral("&Net Income"), txtCurrentNet_, txtYearNet_);
    addRow(figures, 4, QStringLiteral("&End Retained Earnings"), txtEndCap_, txtYtdEndCap_);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(cmdCapitalPrint_);
    page->addLayout(buttons);
    page->addStretch(1);
}

void EquityTab::enter() {
    if (ctx_.window.boxText(QStringLiteral("txtNI")).isEmpty()) {
        ctx_.dialogs.message(
            QStringLiteral("You must complete the income statement section first"));
        return;
    }
    const EquityFigures figures = readFigures();
    if (figures.tooMany) {
        ctx_.dialogs.message(tooManyAccountsMessage());
    }
    std::optional<NetIncomeColumns> net;
    if (!netIncome(net)) {
        return;
    }
    show(figures, net);
}

EquityFigures EquityTab::readFigures() {
    BooksState& books = ctx_.books;
    const AccountTable table = books.reopenAndRead();
    return computeEquity(table);
}

bool EquityTab::netIncome(std::optional<NetIncomeColumns>& net) {
    const BooksState& books = ctx_.books;
    if (books.BusinessType == QLatin1String("Mdse")) {
        net = NetIncomeColumns{books.NetIncome, books.YtdNetIncome};
        return true;
    }
    if (books.BusinessType != QLatin1String("Service")) {
        return true;
    }
    const QString currentText = ctx_.window.boxText(QStringLiteral("txtNI"));
    const QString ytdText = ctx_.window.boxText(QStringLiteral("txtYtdNI"));
    const std::optional<Money> current = parseAmount(currentText);
    const std::optional<Money> ytd = parseAmount(ytdText);
    if (!current) {
        ctx_.dialogs.message(notANumberMessage(QStringLiteral("net income"), currentText));
        return false;
    }
    if (!ytd) {
        ctx_.dialogs.message(notANumberMessage(QStringLiteral("year to date net income"), ytdText));
        return false;
    }
    net = NetIncomeColumns{*current, *ytd};
    return true;
}

void EquityTab::show(const EquityFigures& figures, const std::optional<NetIncomeColumns>& net) {
    std::optional<RetainedEarnings> current;
    std::optional<RetainedEarnings> ytd;
    if (net) {
        current = retainedEarnings(figures.begCap, net->current);
        ytd = retainedEarnings(figures.ytdBegCap, net->ytd);
    }
    BooksState& books = ctx_.books;
    books.BegCap = figures.begCap;
    books.YtdBegCap = figures.ytdBegCap;
    books.CapStock = figures.capStock;
    books.YtdCapStock = figures.ytdCapStock;
    txtBegCap_->setText(formatCurrency(figures.begCap));
    txtYtdBegCap_->setText(formatCurrency(figures.ytdBegCap));
    txtCapStock_->setText(formatCurrency(figures.capStock));
    txtytdCapStock_->setText(formatCurrency(figures.ytdCapStock));
    if (current && ytd) {
        txtCurrentNet_->setText(formatCurrency(current->netIncome));
        txtYearNet_->setText(formatCurrency(ytd->netIncome));
        txtEndCap_->setText(formatCurrency(current->ending));
        txtYtdEndCap_->setText(formatCurrency(ytd->ending));
    }
}
