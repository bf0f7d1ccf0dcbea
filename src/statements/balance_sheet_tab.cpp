#include "statements/balance_sheet_tab.h"
#include "data/account_table.h"
#include "data/books_state.h"
#include "data/company_values.h"
#include "data/text_rules.h"
#include "statements/balance_sheet.h"
#include "ui/dialogs.h"
#include "ui/flex_grid.h"
#include "ui/form.h"
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kCompanyTab = 7;

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

BalanceSheetTab::BalanceSheetTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("BalanceSheetTab"));
    MSFlexGrid2_ = new FlexGrid(QStringLiteral("MSFlexGrid2"), this);
    MSFlexGrid2_->setAccessibleName(QStringLiteral("Accounts"));
    txtTotalCurrentAssets_ = Form::box(QStringLiteral("txtTotalCurrentAssets"), this);
    txtTotalCurrentLiabilities_ = Form::box(QStringLiteral("txtTotalCurrentLiabilities"), this);
    txtCapital_ = Form::box(QStringLiteral("txtCapital"), this);
    txtStock_ = Form::box(QStringLiteral("txtStock"), this);
    cmdPrintBs_ = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrintBs_->setObjectName(QStringLiteral("cmdPrintBs"));
    chkMonthly_ =
        checkBox(QStringLiteral("chkMonthly"), QStringLiteral("Close monthly books"), this);
    chkYearly_ = checkBox(QStringLiteral("chkYearly"), QStringLiteral("Close yearly books"), this);

    auto* figures = new QGridLayout();
    Form::addLabelled(figures, 0, 0, QStringLiteral("lblAssets"), QStringLiteral("&Assets"),
                      txtTotalCurrentAssets_, this);
    Form::addLabelled(figures, 1, 0, QStringLiteral("lblLiabilities"),
                      QStringLiteral("&Liabilities"), txtTotalCurrentLiabilities_, this);
    Form::addLabelled(figures, 0, 2, QStringLiteral("lblCapital"),
                      QStringLiteral("&Retained Earnings"), txtCapital_, this);
    Form::addLabelled(figures, 1, 2, QStringLiteral("lblStock"), QStringLiteral("Capital &Stock"),
                      txtStock_, this);
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(3, 1);

    auto* commands = new QHBoxLayout();
    commands->addWidget(chkMonthly_);
    commands->addWidget(chkYearly_);
    commands->addStretch(1);
    commands->addWidget(cmdPrintBs_);

    auto* page = new QVBoxLayout(this);
    page->addWidget(MSFlexGrid2_, 1);
    page->addLayout(figures);
    page->addLayout(commands);
}

void BalanceSheetTab::enter() {
    const QString endCap = ctx_.window.boxText(QStringLiteral("txtEndCap"));
    if (endCap.isEmpty()) {
        ctx_.dialogs.message(
            QStringLiteral("You must complete the stockholders' equity section first"));
        return;
    }
    BooksState& books = ctx_.books;
    const AccountTable table = books.reopenAndRead();

    Money endingInventory;
    if (needsEndingInventory(table)) {
        const std::optional<Money> amount = endingInventoryAmount(books.EndingInventory);
        if (!amount) {
            ctx_.dialogs.message(notANumberMessage(QStringLiteral("ending inventory"),
                                                   books.EndingInventory.value_or(QString())));
            ctx_.window.showTab(kCompanyTab); // where the amount is entered
            return;
        }
        endingInventory = *amount;
    }
    const BalanceSheetFigures figures = computeBalanceSheet(table, endingInventory);
    if (figures.tooMany) {
        ctx_.dialogs.message(tooManyAccountsMessage());
    }
    fillGrid(figures);
    txtTotalCurrentAssets_->setText(formatCurrency(figures.assets));
    txtTotalCurrentLiabilities_->setText(formatCurrency(figures.liabilities));
    txtCapital_->setText(endCap);
    txtStock_->setText(formatCurrency(figures.capitalStock));
}

void BalanceSheetTab::fillGrid(const BalanceSheetFigures& figures) {
    MSFlexGrid2_->startListing(QStringLiteral("Year To date Balance"));
    MSFlexGrid2_->setColumnWidthsTwips({2100, 1000, 2100, 2100});
    int row = 0;
    for (const AccountEntry& entry : figures.listed) {
        ++row;
        MSFlexGrid2_->setAccountRow(row, row, entry);
    }
}
